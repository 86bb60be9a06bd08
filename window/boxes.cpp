#include "window/boxes.h"

#include <deque>

#include "window/controls/window_registry.h"
#include "window/text_box.h"
#include "window/window_focus.h"

namespace keyloom {

namespace {

bool SystemBox(const Box& box) {
    switch (box.kind) {
        case BoxKind::Message:
            ShowSystemMessageBox(nullptr, box.text, box.title.c_str(), box.style | MB_TASKMODAL);
            return false;
        case BoxKind::Question:
            return ShowSystemMessageBox(MainWindow(), box.text, box.title.c_str(),
                                        MB_YESNO | MB_ICONQUESTION) == IDYES;
        case BoxKind::LongText:
            ShowTextBoxWindow(JoinedText(box.text), box.title.c_str());
            return false;
    }
    return false;
}

bool gBoxUp = false;
std::deque<Box> gWaiting;

bool ShowOne(const Box& box) {
    HWND focused = GetFocus();
    const bool answer = gBoxFunction(box);
    GiveKeyboardBack(focused);
    return answer;
}

}  // namespace

BoxFunction gBoxFunction = SystemBox;

bool ShowBox(Box box) {
    if (gBoxUp) {
        if (box.kind != BoxKind::Question) gWaiting.push_back(std::move(box));
        return false;
    }
    gBoxUp = true;
    const bool answer = ShowOne(box);
    while (!gWaiting.empty()) {
        const Box next = std::move(gWaiting.front());
        gWaiting.pop_front();
        ShowOne(next);
    }
    gBoxUp = false;
    return answer;
}

}  // namespace keyloom
