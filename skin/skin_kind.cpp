#include "skin_kind.h"

#include <cctype>

namespace {

// Window class names compare without regard to case, as Windows does.
bool SameClass(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

}  // namespace

SkinKind ClassifyWindow(const WindowFacts& facts) {
    if (facts.className == nullptr) return SkinKind::None;
    const bool dialog = SameClass(facts.className, "#32770");
    if (!facts.child) {
        // Top-level windows of any class with a title bar (the program's
        // own main window among them), and message boxes and other dialogs.
        // Captionless popups (tooltips, menus, drop-downs) stay as they are.
        return facts.hasCaption || dialog ? SkinKind::TopLevel : SkinKind::None;
    }
    if (dialog) return SkinKind::Dialog;
    if (SameClass(facts.className, "Button")) return SkinKind::Button;
    if (SameClass(facts.className, "Edit")) return SkinKind::Edit;
    if (SameClass(facts.className, "SysListView32")) return SkinKind::List;
    if (SameClass(facts.className, "SysHeader32")) return SkinKind::Header;
    return SkinKind::None;
}
