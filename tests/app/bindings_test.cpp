// The binding table, and real clicks and ticks reaching their handlers.
#include <gtest/gtest.h>

#include "app/bindings.h"
#include "app/program_end.h"
#include "app/program_start.h"
#include "handlers/add_confirm.h"
#include "handlers/content_view.h"
#include "handlers/created_handler.h"
#include "handlers/delete_modify.h"
#include "handlers/logo_press.h"
#include "handlers/closing.h"
#include "handlers/file_jobs.h"
#include "handlers/slide_link.h"
#include "handlers/undo_redo.h"
#include "tests/window/window_fixture.h"
#include "window/controls/control_table.h"
#include "window/key_capture.h"
#include "window/verb_choice.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

TEST(BindingTableTest, EveryBoundEventHasItsHandlerAndNoOtherIsBound) {
    // By the controls' names, as the window is described.
    const struct {
        const char* source;
        ControlEvent event;
        void (*handler)();
    } expected[] = {
        {"", ControlEvent::Created, OnMainWindowCreated},
        {"", ControlEvent::CloseRequested, OnMainWindowCloseRequested},
        {"", ControlEvent::Destroyed, OnProgramWindowDestroyed},
        {"", ControlEvent::Activated, OnMainWindowActivated},
        {"", ControlEvent::Undo, OnUndo},
        {"", ControlEvent::Redo, OnRedo},
        {"", ControlEvent::ListMenu, OnHotkeyListMenu},
        {"按钮_添加", ControlEvent::Clicked, OnAddClick},
        {"按钮_修改", ControlEvent::Clicked, OnModifyClick},
        {"按钮_删除", ControlEvent::Clicked, OnDeleteClick},
        {"按钮_确认", ControlEvent::Clicked, OnConfirmClick},
        {"按钮_env内容", ControlEvent::Clicked, ShowEnvContent},
        {"按钮_按键", ControlEvent::Clicked, ToggleKeyCapture},
        {"单选框_alias", ControlEvent::Clicked, ChooseAliasVerb},
        {"单选框_funckey", ControlEvent::Clicked, ChooseFunckeyVerb},
        {"时钟1", ControlEvent::TimerTick, OnSlideRightTick},
        {"时钟2", ControlEvent::TimerTick, OnSlideLeftTick},
        {"图片框1", ControlEvent::LeftButtonDown, OnLogoPressed},
    };
    ASSERT_EQ(kBindings.count, std::size(expected));
    for (const auto& want : expected) {
        const ControlId source = *want.source ? IdOfName(want.source) : kMainWindowItself;
        bool found = false;
        for (std::size_t i = 0; i < kBindings.count; ++i) {
            const EventBinding& have = kBindings.entries[i];
            if (have.source == source && have.event == want.event) {
                EXPECT_EQ(have.handler, want.handler) << want.source;
                found = true;
            }
        }
        EXPECT_TRUE(found) << want.source;
    }
}

TEST(BindingTableTest, EverySourceIsAControlOfTheTable) {
    for (std::size_t i = 0; i < kBindings.count; ++i) {
        const ControlId source = kBindings.entries[i].source;
        if (source != kMainWindowItself) EXPECT_GE(ControlIndexOfId(source), 0) << source;
    }
}

TEST_F(MainWindowTest, ClickOnTheEnvButtonShowsTheFile) {
    MessageBoxRecorder boxes;
    ClickButton("按钮_env内容");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].title, "env\xca\xfd\xbe\xdd");
    EXPECT_EQ(boxes.Boxes()[0].text, ReadFileBytes(TestEnvPath()));
}

TEST_F(MainWindowTest, ClickOnTheConfirmButtonInsideItsGroupBoxReachesItsHandler) {
    MessageBoxRecorder boxes;
    ClickButton("按钮_确认");  // both boxes empty: the input error
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].title, "错误");
}

TEST_F(MainWindowTest, ClickOnAddOpensTheEditPanel) {
    ClickButton("按钮_添加");
    EXPECT_EQ(MainWindowWidth(), 610);
}

TEST_F(MainWindowTest, ClicksOnModifyAndDeleteReachTheirHandlers) {
    MessageBoxRecorder boxes;
    ClickButton("按钮_修改");
    ClickButton("按钮_删除");
    ASSERT_EQ(boxes.Boxes().size(), 2u);  // no row selected, each complains
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    EXPECT_EQ(HotkeyRows().size(), 1u);
}

TEST_F(MainWindowTest, TheSlideTimerMovesTheLink) {
    int before = ControlLeft("超级链接框1");
    PumpMessagesFor(300);
    EXPECT_GT(ControlLeft("超级链接框1"), before);
}

TEST_F(MainWindowTest, UnboundEventsChangeNothing) {
    MessageBoxRecorder boxes;
    PressControl("标签1");
    PressControl("分组框1");
    SendMessageA(ControlWindow("编辑框2"), WM_LBUTTONDBLCLK, 0, 0);
    PumpMessages();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(MainWindowWidth(), 402);
    EXPECT_EQ(HotkeyRows().size(), 2u);
}

}  // namespace
}  // namespace keyloom::test
