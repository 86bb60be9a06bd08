#pragma once
// Which windows the library draws, decided from the class name and a few
// style facts. Classes it does not know are left alone.

enum class SkinKind {
    None,      // not touched
    TopLevel,  // a captioned top-level window or a top-level dialog
    Dialog,    // a dialog inside another window: background only
    Button,    // "Button": push buttons and group boxes drawn, others coloured
    Edit,      // "Edit": border
    List,      // "SysListView32": border
    Header,    // "SysHeader32": the whole header
};

struct WindowFacts {
    const char* className;
    bool child;       // WS_CHILD
    bool hasCaption;  // WS_CAPTION complete (border and title bar)
};

SkinKind ClassifyWindow(const WindowFacts& facts);
