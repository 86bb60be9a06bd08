#include "window/controls/control_table.h"

#include <array>

#include <commctrl.h>

#include "window/controls/hyperlink.h"

namespace keyloom {

namespace {

using K = ControlKind;

// Styles by kind. Labels: one line, left, vertically centred, "&" shown as
// is. The list shows its selection only while it has the focus (no
// LVS_SHOWSELALWAYS). Its rows live in the program's memory and it asks for
// the cells it paints (owner data), so any number of rows costs the same.
constexpr DWORD kLabel = SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;
constexpr DWORD kButton = BS_PUSHBUTTON | BS_CENTER | BS_VCENTER;
constexpr DWORD kGroup = BS_GROUPBOX;
constexpr DWORD kLineEdit = ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kMemo = ES_LEFT | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;
constexpr DWORD kList = LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDATA;
constexpr DWORD kSunken = WS_EX_CLIENTEDGE;
// The verb's two choices: plain radio buttons (the window checks them),
// the first starting their group. The key capture button tells the window
// when it loses the focus (BS_NOTIFY), which ends a capture.
constexpr DWORD kRadio = BS_RADIOBUTTON;
constexpr DWORD kNotifyingButton = kButton | BS_NOTIFY;

}  // namespace

const ControlSpec kControls[] = {
    {K::Picture, "图片框1", kLogoPicture, kMainWindowItself, 397, 272, 96, 24, "", 0, 0, 0},
    {K::Label, "标签5", kAuthorLabel, kMainWindowItself, 512, 272, 88, 24, "by Tamsek", kLabel, 0,
     0},
    {K::Timer, "时钟2", kSlideLeftTimer, kMainWindowItself, 0, 0, 0, 0, "", 0, 0, 0},
    {K::Timer, "时钟1", kSlideRightTimer, kMainWindowItself, 0, 0, 0, 0, "", 0, 0, 0},
    {K::Hyperlink, "超级链接框1", kLinkControl, kMainWindowItself, 8, 272, 192, 24,
     kAdvertisementCaption, 0, 0, 0},
    {K::Edit, "编辑框3", kCommandBox, kPanelGroup, 72, 40, 120, 20, "", kLineEdit, kSunken, 8},
    {K::Edit, "编辑框2", kKeyBox, kPanelGroup, 72, 16, 60, 20, "", kLineEdit, kSunken, 6},
    {K::Edit, "编辑框1", kContentBox, kContentGroup, 8, 24, 184, 64, "", kMemo, 0, 12},
    {K::GroupBox, "分组框2", kContentGroup, kMainWindowItself, 400, 168, 200, 96, "env实时数据",
     kGroup, 0, 0},
    {K::Button, "按钮_确认", kConfirmButton, kPanelGroup, 72, 88, 120, 32, "确认", kButton, 0, 11},
    {K::Label, "标签3", kKeyLabel, kPanelGroup, 13, 16, 48, 24, "快捷键：", kLabel, 0, 0},
    {K::Label, "标签4", kCommandLabel, kPanelGroup, 8, 40, 56, 24, "功能定义：", kLabel, 0, 0},
    {K::GroupBox, "分组框1", kPanelGroup, kMainWindowItself, 400, 16, 200, 144, "添加快捷键",
     kGroup, 0, 0},
    // The key's row: the button that names the next key pressed.
    {K::Button, "按钮_按键", kKeyCaptureButton, kPanelGroup, 136, 16, 56, 20, "按键(&K)…",
     kNotifyingButton, 0, 7},
    // The verb row: the line's first word, as Allegro users write it.
    {K::Label, "标签6", kVerbLabel, kPanelGroup, 13, 64, 48, 20, "类型：", kLabel, 0, 0},
    {K::RadioButton, "单选框_alias", kAliasRadio, kPanelGroup, 72, 64, 52, 20, "alias",
     kRadio | WS_GROUP, 0, 9},
    {K::RadioButton, "单选框_funckey", kFunckeyRadio, kPanelGroup, 128, 64, 64, 20, "funckey",
     kRadio, 0, 10},
    // What a key capture asks for, or why it wrote nothing.
    {K::Label, "标签7", kKeyNoteLabel, kPanelGroup, 8, 122, 184, 16, "", kLabel, 0, 0},
    {K::Button, "按钮_env内容", kEnvContentButton, kMainWindowItself, 336, 208, 56, 56, "env数据",
     kButton, 0, 5},
    {K::Button, "按钮_删除", kDeleteButton, kMainWindowItself, 336, 152, 56, 56, "删除", kButton, 0,
     4},
    {K::Button, "按钮_修改", kModifyButton, kMainWindowItself, 336, 96, 56, 56, "修改", kButton, 0,
     3},
    {K::Button, "按钮_添加", kAddButton, kMainWindowItself, 336, 40, 56, 56, "添加", kButton, 0, 2},
    {K::Label, "标签2", kCountLabel, kMainWindowItself, 88, 8, 80, 24, "", kLabel, 0, 0},
    {K::Label, "标签1", kCountTitleLabel, kMainWindowItself, 8, 8, 80, 24, "快捷键总数：", kLabel,
     0, 0},
    {K::ListView, "超级列表框1", kHotkeyList, kMainWindowItself, 8, 32, 320, 232, "", kList,
     kSunken, 1},
};
const std::size_t kControlCount = sizeof kControls / sizeof kControls[0];

int ControlIndex(std::string_view name) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (name == kControls[i].name) return static_cast<int>(i);
    }
    return -1;
}

int ControlIndexOfId(int id) {
    // The ids run from kFirstControlId without a gap: each id's table
    // place, worked out once.
    static const auto places = [] {
        std::array<int, kControlIdCount> byId;
        byId.fill(-1);
        for (std::size_t i = 0; i < kControlCount; ++i) {
            byId[static_cast<std::size_t>(kControls[i].id - kFirstControlId)] = static_cast<int>(i);
        }
        return byId;
    }();
    if (id < kFirstControlId || id >= kFirstControlId + kControlIdCount) return -1;
    return places[static_cast<std::size_t>(id - kFirstControlId)];
}

}  // namespace keyloom
