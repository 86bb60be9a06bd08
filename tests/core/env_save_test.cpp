// A run's saves on real files: every shape of env file keeps everything but
// the hotkey lines the user changed; another writer's change is kept and
// the user's carried onto it; a save that cannot write says why and writes
// nothing; env.bak is the file as it was before the run's first change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/env_lines.h"
#include "tests/core/env_shapes.h"
#include "tests/core/scratch_folder.h"
#include "tests/core/session_run.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace keyloom {
namespace {

using namespace std::string_literals;
using testing::EnvShape;
using testing::Rows;
using testing::ScratchFolder;
using testing::SessionRun;
using Lines = std::vector<std::string>;

// The last job's change: what the save's end showed.
const SessionChange& LastSave(const SessionRun& run) {
    return run.jobChanges.back();
}

void PrintTo(const HotkeyEntry& entry, std::ostream* out) {
    *out << "{'" << entry.key << "', '" << entry.command << "'}";
}

TEST(EnvSave, EveryShapeListsItsHotkeysAndKeepsAllButTheChangedLines) {
    for (const EnvShape& shape : testing::EnvShapes()) {
        SCOPED_TRACE(shape.name);
        ScratchFolder folder;
        const std::string env = folder.File("env");
        testing::WriteBytes(env, shape.text);
        SessionRun run(env);
        ASSERT_EQ(run.ListRows(), shape.rows);

        run.Delete(shape.deleteRow);
        const std::string key = run.ListRows()[shape.modifyRow].key;
        run.ModifyRow(shape.modifyRow, key, shape.newCommand);
        run.AddHotkey(testing::kAddedHotkey.key, testing::kAddedHotkey.command);

        const std::string after = testing::ReadBytes(env);
        testing::LineDiff diff = testing::DiffLines(shape.text, after);
        Lines removed = shape.removed;
        std::sort(diff.removed.begin(), diff.removed.end());
        std::sort(removed.begin(), removed.end());
        EXPECT_EQ(diff.removed, removed);
        EXPECT_EQ(diff.added, shape.added);
        // New lines stand above the marker.
        EXPECT_EQ(testing::DiffLines(testing::TailOf(shape.text), testing::TailOf(after)).added,
                  Lines{});
        // The next run lists what this one left, in file order.
        EXPECT_EQ(SessionRun(env).ListRows(), ParseEnvText(after));
        EXPECT_EQ(LastSave(run).countCaption, std::to_string(run.ListRows().size()) + "\xB8\xF6");
    }
}

// Allegro writes its section anew while Keyloom is open: the new section
// stays, the user's change is carried onto it; a tail row that the new
// section no longer holds cannot be deleted, and the user is told.
TEST(EnvSave, AllegrosNewSectionIsKeptAndTheChangeCarriedOntoIt) {
    for (const EnvShape& shape : testing::EnvShapes()) {
        SCOPED_TRACE(shape.name);
        ScratchFolder folder;
        const std::string env = folder.File("env");
        const std::string rewritten = testing::WithNewSection(shape.text);
        // What an add writes when Allegro leaves its section alone.
        testing::WriteBytes(env, shape.text);
        SessionRun(env).AddHotkey(testing::kAddedHotkey.key, testing::kAddedHotkey.command);
        const std::string added = testing::ReadBytes(env);

        testing::WriteBytes(env, shape.text);
        SessionRun run(env);
        testing::WriteBytes(env, rewritten);
        run.AddHotkey(testing::kAddedHotkey.key, testing::kAddedHotkey.command);
        EXPECT_EQ(testing::ReadBytes(env), testing::WithNewSection(added));
        EXPECT_EQ(run.ListRows(), ParseEnvText(testing::WithNewSection(added)));

        const std::size_t headRows =
            ParseEnvText(shape.text.substr(0, HeadLength(shape.text))).size();
        if (headRows == shape.rows.size()) continue;
        testing::WriteBytes(env, shape.text);
        SessionRun tail(env);
        testing::WriteBytes(env, rewritten);
        tail.Delete(static_cast<int>(headRows));
        EXPECT_EQ(LastSave(tail).box, SessionBox::NotCarried);
        EXPECT_EQ(LastSave(tail).boxKeys, Lines{shape.rows[headRows].key});
        EXPECT_EQ(testing::ReadBytes(env), rewritten);
        EXPECT_EQ(tail.ListRows(), ParseEnvText(rewritten));
    }
}

TEST(EnvSave, KeyloomsOwnLayoutIsWrittenAsComposed) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    // A missing file and an empty one get the layout; it stays as composed.
    SessionRun missing(env);
    missing.AddHotkey("F2", "zoom fit");
    missing.AddHotkey("F3 ", "pan  ");
    EXPECT_EQ(testing::ReadBytes(env), ComposeEnvText({{"F2", "zoom fit"}, {"F3", "pan"}}));
    missing.ModifyRow(0, "F4", "zoom in");
    missing.Delete(0);
    EXPECT_EQ(testing::ReadBytes(env), ComposeEnvText({{"F4", "zoom in"}}));
    missing.Delete(0);
    EXPECT_EQ(testing::ReadBytes(env), ComposeEnvText({}));

    testing::WriteBytes(env, "");
    SessionRun empty(env);
    empty.AddHotkey("F5", "x");
    EXPECT_EQ(testing::ReadBytes(env), ComposeEnvText({{"F5", "x"}}));

    // A file in the layout keeps giving the layout's bytes.
    const Rows rows = {{"F2", "a"}, {"F3", "b"}, {"F4", "c"}, {"F5", "d"}, {"F6", "e"}};
    testing::WriteBytes(env, ComposeEnvText(rows));
    SessionRun own(env);
    own.ModifyRow(0, "F2", "a");
    own.Delete(2);
    own.AddHotkey("F7", "f");
    EXPECT_EQ(testing::ReadBytes(env),
              ComposeEnvText({{"F3", "b"}, {"F4", "c"}, {"F6", "e"}, {"F2", "a"}, {"F7", "f"}}));
}

TEST(EnvSave, NewLinesGoAfterTheLastHotkeyLineAsReadEvenWhenItIsGone) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    testing::WriteBytes(env, "alias F1 a\r\nset x\r\nalias F2 b\r\nset y\r\n");
    SessionRun run(env);
    run.Delete(1);
    run.Delete(0);
    run.AddHotkey("F3", "c");
    run.AddHotkey("F4", "d");
    EXPECT_EQ(testing::ReadBytes(env), "set x\r\nalias F3 c\r\nalias F4 d\r\nset y\r\n");
}

TEST(EnvSave, NewLinesWithoutAnyHotkeyLineOrLineEnd) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    // At the end of the head, after giving its last line a line end.
    testing::WriteBytes(env, "set x 1\nset y 2");
    SessionRun(env).AddHotkey("F2", "a");
    EXPECT_EQ(testing::ReadBytes(env), "set x 1\nset y 2\nalias F2 a\n");
    // After a last hotkey line without one.
    testing::WriteBytes(env, "alias F1 x\r\nalias F2 y");
    SessionRun(env).AddHotkey("F3", "z");
    EXPECT_EQ(testing::ReadBytes(env), "alias F1 x\r\nalias F2 y\r\nalias F3 z\r\n");
    // Before a marker at the very start.
    testing::WriteBytes(env, "### User Preferences section\nset z\n");
    SessionRun(env).AddHotkey("F2", "a");
    EXPECT_EQ(testing::ReadBytes(env), "alias F2 a\n### User Preferences section\nset z\n");
    // A marker inside the last hotkey line ends that line.
    testing::WriteBytes(env, "alias F9 ### User Preferences section\r\nset z\r\n");
    SessionRun inside(env);
    ASSERT_EQ(inside.ListRows(), (Rows{{"F9", ""}}));
    inside.AddHotkey("F2", "a");
    EXPECT_EQ(testing::ReadBytes(env),
              "alias F9 \r\nalias F2 a\r\n### User Preferences section\r\nset z\r\n");
}

// Another program's edit between Keyloom's reading and its save: both
// changes are in the file, and the list shows it.
TEST(EnvSave, AnotherWritersEditIsKeptBesideTheUsersChange) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    testing::WriteBytes(env, "alias F2 a\r\nalias F3 b\r\n### User Preferences section\r\n");
    SessionRun run(env);
    testing::WriteBytes(env,
                        "alias F2 a\r\nalias F9 mine\r\nalias F3 b\r\n"
                        "### User Preferences section\r\n");
    run.Delete(0);
    EXPECT_EQ(testing::ReadBytes(env),
              "alias F9 mine\r\nalias F3 b\r\n### User Preferences section\r\n");
    EXPECT_EQ(run.ListRows(), (Rows{{"F9", "mine"}, {"F3", "b"}}));
    EXPECT_EQ(LastSave(run).countCaption, "2\xB8\xF6");

    // Missing when read; another program writes it before the first save:
    // its lines stay, the new hotkey goes after their last hotkey line.
    std::remove(env.c_str());
    SessionRun late(env);
    testing::WriteBytes(env, "set x\r\nalias F2 a\r\nset y\r\n");
    late.AddHotkey("F4", "b");
    EXPECT_EQ(testing::ReadBytes(env), "set x\r\nalias F2 a\r\nalias F4 b\r\nset y\r\n");
}

// A file removed (or emptied) while Keyloom is open: the list stays, and
// the next change writes everything this run last read, with the change.
TEST(EnvSave, AFileRemovedGetsBackAllItHeldWithTheChange) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    const std::string text = "# mine\nalias F2 a\nalias F3 b\nset x\n";
    for (bool emptied : {false, true}) {
        testing::WriteBytes(env, text);
        SessionRun run(env);
        if (emptied) {
            testing::WriteBytes(env, "");
        } else {
            std::remove(env.c_str());
        }
        run.Delete(0);
        EXPECT_EQ(testing::ReadBytes(env), "# mine\nalias F3 b\nset x\n");
        EXPECT_EQ(LastSave(run).box, SessionBox::None);
    }
}

TEST(EnvSave, AZeroByteRefusesEverySaveAndSaysWhy) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    const std::string bytes = "alias F2 a\r\n\0alias F9 hidden\r\n"s;
    testing::WriteBytes(env, bytes);
    SessionRun run(env);
    EXPECT_EQ(run.ListRows(), (Rows{{"F2", "a"}}));
    run.AddHotkey("F3", "b");
    EXPECT_EQ(LastSave(run).box, SessionBox::SaveFailed);
    EXPECT_EQ(LastSave(run).failure, SaveFailure::ZeroByte);
    EXPECT_FALSE(LastSave(run).countCaption.has_value());
    EXPECT_EQ(testing::ReadBytes(env), bytes);
    EXPECT_EQ(folder.Names(), Lines{"env"});
    EXPECT_TRUE(run.session.HasUnwrittenChange());
}

// Refused before env.bak is touched, with the reason.
TEST(EnvSave, AReadOnlyEnvIsRefusedAndSaysWhy) {
    ScratchFolder folder;
    const std::string bytes = "source $TELENV\r\nalias F2 a\r\nalias F3 b\r\n";
    testing::WriteBytes(folder.File("env"), bytes);
    testing::SetReadOnly(folder.File("env"), true);
    SessionRun run(folder.File("env"));
    run.Delete(0);
    testing::SetReadOnly(folder.File("env"), false);
    EXPECT_EQ(LastSave(run).failure, SaveFailure::ReadOnly);
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), bytes);
    EXPECT_EQ(folder.Names(), Lines{"env"});
}

TEST(EnvSave, AFolderWhereEnvShouldBeRefusesAndTheCountFollowsTheList) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("env"));
    SessionRun run(folder.File("env"));
    EXPECT_EQ(run.open.countCaption, "0\xB8\xF6");
    run.AddHotkey("F2", "a");
    EXPECT_EQ(LastSave(run).failure, SaveFailure::Folder);
    EXPECT_EQ(LastSave(run).countCaption, "1\xB8\xF6");
}

unsigned long long FileSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return static_cast<unsigned long long>(in.tellg());
}

// A 2 GB env of zero bytes: nothing to list, and the save refuses, as for
// any file cut by a zero byte; neither reads past the first byte, so a
// process that could never hold the file gets there too.
TEST(EnvSave, ASparseTwoGigabyteEnvListsNothingAndItsSaveRefuses) {
    static ScratchFolder folder;
    testing::MakeSparseFile(folder.File("env"), 2ull << 30);
    testing::RunWithMemoryLimit(64 << 20, [] {
        SessionRun run(folder.File("env"));
        EXPECT_EQ(run.ListRows(), Rows{});
        run.AddHotkey("F2", "a");
        EXPECT_EQ(LastSave(run).failure, SaveFailure::ZeroByte);
    });
    EXPECT_EQ(folder.Names(), Lines{"env"});
    EXPECT_EQ(FileSize(folder.File("env")), 2ull << 30);
}

// Hard links: refused with the reason, before env.bak is touched; a
// symbolic link: its target gets the text, env.bak stays beside the link.
TEST(EnvSave, ASaveThroughLinks) {
    ScratchFolder folder;
    const std::string bytes = "alias F2 a\r\nalias F3 b\r\n";
    testing::MakeFolder(folder.File("shared"));
    testing::WriteBytes(folder.File("shared/env"), bytes);
    ASSERT_TRUE(folder.RunOnHost("ln shared/env env"));
    SessionRun hardLinked(folder.File("env"));
    hardLinked.Delete(0);
    EXPECT_EQ(LastSave(hardLinked).failure, SaveFailure::SeveralNames);
    EXPECT_EQ(testing::ReadBytes(folder.File("shared/env")), bytes);
    EXPECT_EQ(folder.Names(), (Lines{"env", "shared"}));

    ASSERT_TRUE(folder.RunOnHost("rm env && ln -s shared/env env"));
    SessionRun linked(folder.File("env"));
    linked.Delete(0);
    EXPECT_EQ(testing::ReadBytes(folder.File("shared/env")), "alias F3 b\r\n");
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), bytes);
    EXPECT_TRUE(folder.RunOnHost("test -L env && test $(ls shared) = env"));
}

TEST(EnvSave, EnvBakIsTheFileAsItWasBeforeTheRunsFirstChange) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    const std::string original = "# mine\r\nalias F2 a\r\nalias F3 b\r\n";
    testing::WriteBytes(env, original);
    testing::WriteBytes(folder.File("env.bak"), "from an older run");
    SessionRun first(env);
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), "from an older run");
    first.Delete(0);
    first.AddHotkey("F4", "c");
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), original);
    // The next run keeps its own starting point; one told to leave env.bak
    // alone leaves it.
    const std::string second = testing::ReadBytes(env);
    SessionRun next(env);
    next.Delete(0);
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), second);
    SessionRun leaving(env, true);
    leaving.Delete(0);
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), second);
    EXPECT_EQ(folder.Names(), (Lines{"env", "env.bak"}));
}

TEST(EnvSave, ABackupThatCannotBeWrittenStopsTheSave) {
    ScratchFolder folder;
    const std::string bytes = "alias F2 a\r\n";
    testing::WriteBytes(folder.File("env"), bytes);
    testing::MakeFolder(folder.File("env.bak"));
    testing::WriteBytes(folder.File("env.bak/keep"), "x");
    SessionRun run(folder.File("env"));
    run.Delete(0);
    EXPECT_EQ(LastSave(run).box, SessionBox::SaveFailed);
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), bytes);
    EXPECT_EQ(folder.Names(), (Lines{"env", "env.bak"}));
}

TEST(EnvSave, AMissingFileMakesNoBackupAndLaterSavesMakeNone) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env.bak"), "from an older run");
    SessionRun run(folder.File("env"));
    run.AddHotkey("F2", "a");
    run.AddHotkey("F3", "b");
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), "from an older run");
}

#ifdef _WIN32
// Held without sharing at the start, so nothing could be read: the first
// save finds the file and carries the change onto it.
TEST(EnvSave, AFileHeldByAnotherProgramAtStartIsCarriedOntoLater) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    const std::string bytes = "alias F1 a\r\nalias F2 b\r\n### User Preferences section\r\n";
    testing::WriteBytes(env, bytes);
    std::unique_ptr<SessionRun> run;
    {
        testing::HeldFile held(env, GENERIC_READ | GENERIC_WRITE, 0);
        ASSERT_TRUE(held.IsOpen());
        run = std::make_unique<SessionRun>(env);
    }
    EXPECT_EQ(run->ListRows(), Rows{});
    run->AddHotkey("F3", "c");
    EXPECT_EQ(testing::ReadBytes(env),
              "alias F1 a\r\nalias F2 b\r\nalias F3 c\r\n### User Preferences section\r\n");
}
#endif

}  // namespace
}  // namespace keyloom
