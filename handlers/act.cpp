#include "handlers/act.h"

#include "handlers/editing_state.h"
#include "handlers/editing_texts.h"
#include "handlers/file_jobs.h"
#include "handlers/session_view.h"
#include "window/boxes.h"

namespace keyloom {

namespace {

// 快捷键 F2 已定义为 "zoom fit"，替换它吗？
bool AskToReplace(const ReplaceQuestion& question) {
    return ShowBox({BoxKind::Question,
                    {{kReplaceTextBeforeKey, BoxText::Program},
                     {question.key, BoxText::EnvFile},
                     {kReplaceTextBeforeCommand, BoxText::Program},
                     {question.command, BoxText::EnvFile},
                     {kReplaceTextAfterCommand, BoxText::Program}},
                    kReplaceTitle});
}

}  // namespace

void Act(const std::function<SessionChange()>& action) {
    LineId selected = SelectedLine();
    SessionChange change = action();
    // The save starts before the window shows the change: the two go on
    // side by side.
    StartDueFileJob();
    ShowSessionChange(change, selected);
    // The question is the last thing shown; the answer acts on the rows
    // that bound the key when it was asked.
    if (change.question) {
        const bool replace = AskToReplace(*change.question);
        selected = SelectedLine();
        SessionChange answer = Session().AnswerReplace(replace);
        StartDueFileJob();
        ShowSessionChange(answer, selected);
    }
}

}  // namespace keyloom
