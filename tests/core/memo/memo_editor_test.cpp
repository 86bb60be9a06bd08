// Typing, deleting, moving and undoing in the content box, without a window.
#include <gtest/gtest.h>

#include <string>

#include "core/memo/memo_editor.h"

namespace keyloom {
namespace {

// Ten single-byte characters (6 pixels each) to a line of 60 pixels.
MemoEditor EditorWith(const std::string& text) {
    MemoEditor editor;
    editor.SetFormat(60, CharWidths([](std::string_view c) { return c.size() == 2 ? 12 : 6; }, 48));
    editor.SetText(text);
    return editor;
}

TEST(MemoEditorTest, TypingRunsUndoTogetherAndASecondUndoRedoes) {
    MemoEditor editor = EditorWith("set x\r\n");
    editor.Select(3, 3);
    for (const char* typed : {" ", "y", "\xB7\xC5"}) editor.Type(typed);
    EXPECT_EQ(editor.Text(), "set y\xB7\xC5 x\r\n");
    EXPECT_EQ(editor.Caret(), 7u);
    EXPECT_TRUE(editor.Modified());
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Text(), "set x\r\n");
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Text(), "set y\xB7\xC5 x\r\n");
    // The undo selects what it put back.
    EXPECT_EQ(editor.SelectedText(), " y\xB7\xC5");
    // A replace that cannot be undone takes the undo away; new text too.
    editor.ReplaceSelection("z", false);
    EXPECT_FALSE(editor.CanUndo());
    editor.Type("q");
    editor.SetText("new");
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(editor.Caret(), 0u);
}

TEST(MemoEditorTest, BackspaceAndDeleteTakeWholeCharactersAndLineEnds) {
    MemoEditor editor = EditorWith("a\xB7\xC5\r\nb");
    editor.Move(MemoMotion::TextEnd, false);
    editor.Backspace();
    editor.Backspace();
    EXPECT_EQ(editor.Text(), "a\xB7\xC5");
    editor.Backspace();
    EXPECT_EQ(editor.Text(), "a");
    editor.SetText("a\r\nb\xB7\xC5");
    editor.Delete();
    editor.Delete();
    EXPECT_EQ(editor.Text(), "b\xB7\xC5");
    editor.Move(MemoMotion::CharRight, false);
    editor.Delete();
    EXPECT_EQ(editor.Text(), "b");
    // A selection goes as a whole, and is what Backspace undoes.
    editor.SetText("alias F2 x");
    editor.Select(6, 2);
    editor.Backspace();
    EXPECT_EQ(editor.Text(), "alF2 x");
    editor.Undo();
    EXPECT_EQ(editor.Text(), "alias F2 x");
}

TEST(MemoEditorTest, SelectionsSnapToPositions) {
    MemoEditor editor = EditorWith("a\xB7\xC5\r\nb");
    editor.Select(2, 4);
    EXPECT_EQ(editor.Anchor(), 1u);
    EXPECT_EQ(editor.Caret(), 3u);
    editor.Select(0, 100);
    EXPECT_EQ(editor.Caret(), editor.Text().size());
    editor.SelectAll();
    EXPECT_EQ(editor.SelectedText(), editor.Text());
}

TEST(MemoEditorTest, UpAndDownKeepTheColumnAcrossShortLines) {
    // "alias F2 " wraps before "zoom fit"; then a short line, then a long one.
    MemoEditor editor = EditorWith("alias F2 zoom fit\r\nab\r\nabcdefgh");
    editor.Select(7, 7);
    editor.Move(MemoMotion::LineDown, false);
    EXPECT_EQ(editor.Caret(), 16u);
    editor.Move(MemoMotion::LineDown, false);
    EXPECT_EQ(editor.Caret(), 21u);
    editor.Move(MemoMotion::LineDown, true);
    EXPECT_EQ(editor.Caret(), 30u);
    EXPECT_EQ(editor.Anchor(), 21u);
    editor.Move(MemoMotion::PageUp, false, 2);
    EXPECT_EQ(editor.Caret(), 16u);
    // End on a line that wraps stays on that line.
    editor.Select(2, 2);
    editor.Move(MemoMotion::LineEnd, false);
    EXPECT_EQ(editor.Caret(), 9u);
    EXPECT_TRUE(editor.AfterWrap());
    editor.Move(MemoMotion::LineStart, false);
    EXPECT_EQ(editor.Caret(), 0u);
    editor.Move(MemoMotion::WordRight, true);
    EXPECT_EQ(editor.SelectedText(), "alias ");
}

}  // namespace
}  // namespace keyloom
