// A run's saves on real files: every shape of env file keeps everything but
// the hotkey lines the user changed; the tail comes from the disk; a file
// that is no longer what the run read is never written over; env.bak is
// the file as it was before the run's first change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/env_lines.h"
#include "core/env_session.h"
#include "tests/core/env_shapes.h"
#include "tests/core/scratch_folder.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace keyloom {
namespace {

using namespace std::string_literals;
using testing::EnvShape;
using testing::ScratchFolder;
using Entries = std::vector<HotkeyEntry>;
using Lines = std::vector<std::string>;

// One run of Keyloom on the env file in a folder: the rows and their
// origins, changed as the editing buttons change them, and saved.
class KeyloomRun {
public:
    explicit KeyloomRun(const std::string& path) { session_.Open(path, &rows_, &origins_); }

    const Entries& Rows() const { return rows_; }

    bool Delete(std::size_t row) {
        Erase(row);
        return Save();
    }
    bool Modify(std::size_t row, const HotkeyEntry& entry) {
        const HotkeyVerb verb = origins_[row].verb;
        Erase(row);
        return Append(entry, verb);
    }
    bool Add(const HotkeyEntry& entry) { return Append(entry, HotkeyVerb::Alias); }
    bool Save() {
        last_ = session_.Save(rows_, &origins_);
        return last_.written;
    }
    const EnvSession::Outcome& LastSave() const { return last_; }

private:
    void Erase(std::size_t row) {
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
        origins_.erase(origins_.begin() + static_cast<std::ptrdiff_t>(row));
    }
    bool Append(const HotkeyEntry& entry, HotkeyVerb verb) {
        rows_.push_back(entry);
        origins_.push_back({kNoLine, verb});
        return Save();
    }

    EnvSession session_;
    Entries rows_;
    std::vector<RowOrigin> origins_;
    EnvSession::Outcome last_;
};

void PrintTo(const HotkeyEntry& entry, std::ostream* out) {
    *out << "{'" << entry.key << "', '" << entry.command << "'}";
}

TEST(EnvSession, EveryShapeListsItsHotkeysAndKeepsAllButTheChangedLines) {
    for (const EnvShape& shape : testing::EnvShapes()) {
        SCOPED_TRACE(shape.name);
        ScratchFolder folder;
        const std::string env = folder.File("env");
        testing::WriteBytes(env, shape.text);
        KeyloomRun run(env);
        ASSERT_EQ(run.Rows(), shape.rows);

        ASSERT_TRUE(run.Delete(shape.deleteRow));
        const std::string key = run.Rows()[shape.modifyRow].key;
        ASSERT_TRUE(run.Modify(shape.modifyRow, {key, shape.newCommand}));
        ASSERT_TRUE(run.Add(testing::kAddedHotkey));

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
        EXPECT_EQ(KeyloomRun(env).Rows(), ParseEnvText(after));
        EXPECT_EQ(KeyloomRun(env).Rows().size(), run.Rows().size());
    }
}

TEST(EnvSession, AllegrosNewSectionKeepsATailRowsDeleteFromWritingButNotAHeadChange) {
    for (const EnvShape& shape : testing::EnvShapes()) {
        SCOPED_TRACE(shape.name);
        ScratchFolder folder;
        const std::string env = folder.File("env");
        const std::string rewritten = testing::WithNewSection(shape.text);
        const std::size_t headRows =
            ParseEnvText(shape.text.substr(0, HeadLength(shape.text))).size();
        if (headRows < shape.rows.size()) {
            testing::WriteBytes(env, shape.text);
            KeyloomRun run(env);
            testing::WriteBytes(env, rewritten);
            EXPECT_FALSE(run.Delete(headRows));
            EXPECT_EQ(testing::ReadBytes(env), rewritten);
            EXPECT_EQ(run.Rows().size(), shape.rows.size() - 1);
        }
        // What an add writes when Allegro leaves its section alone.
        testing::WriteBytes(env, shape.text);
        ASSERT_TRUE(KeyloomRun(env).Add(testing::kAddedHotkey));
        const std::string added = testing::ReadBytes(env);

        testing::WriteBytes(env, shape.text);
        KeyloomRun run(env);
        testing::WriteBytes(env, rewritten);
        ASSERT_TRUE(run.Add(testing::kAddedHotkey));
        EXPECT_EQ(testing::ReadBytes(env), testing::WithNewSection(added));
        // The rows of the old section are not in the file now.
        if (headRows < shape.rows.size()) EXPECT_FALSE(run.Delete(headRows));
    }
}

TEST(EnvSession, ASaveWithoutChangeWritesTheSameBytesAndNoBackup) {
    for (const EnvShape& shape : testing::EnvShapes()) {
        SCOPED_TRACE(shape.name);
        ScratchFolder folder;
        testing::WriteBytes(folder.File("env"), shape.text);
        ASSERT_TRUE(KeyloomRun(folder.File("env")).Save());
        EXPECT_EQ(testing::ReadBytes(folder.File("env")), shape.text);
        EXPECT_EQ(folder.Names(), Lines{"env"});
    }
}

TEST(EnvSession, KeyloomsOwnLayoutIsWrittenAsComposed) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    // A missing file and an empty one get the layout; it stays as composed.
    KeyloomRun missing(env);
    ASSERT_TRUE(missing.Add({"F2", "zoom fit"}));
    ASSERT_TRUE(missing.Add({"F3 ", "pan  "}));
    EXPECT_EQ(testing::ReadBytes(env), ComposeEnvText({{"F2", "zoom fit"}, {"F3", "pan"}}));
    ASSERT_TRUE(missing.Modify(0, {"F4", "zoom in"}));
    ASSERT_TRUE(missing.Delete(0));
    ASSERT_TRUE(missing.Add({"", ""}));
    EXPECT_EQ(testing::ReadBytes(env), ComposeEnvText({{"F4", "zoom in"}, {"", ""}}));
    ASSERT_TRUE(missing.Delete(1));
    ASSERT_TRUE(missing.Delete(0));
    EXPECT_EQ(testing::ReadBytes(env), ComposeEnvText({}));

    testing::WriteBytes(env, "");
    KeyloomRun empty(env);
    ASSERT_TRUE(empty.Add({"F5", "x"}));
    EXPECT_EQ(testing::ReadBytes(env), ComposeEnvText({{"F5", "x"}}));

    // A file in the layout keeps giving the layout's bytes.
    const Entries rows = {{"F2", "a"}, {"F3", "b"}, {"F4", "c"}, {"F5", "d"}, {"F6", "e"}};
    testing::WriteBytes(env, ComposeEnvText(rows));
    KeyloomRun own(env);
    ASSERT_TRUE(own.Modify(0, {"F2", "a"}));
    ASSERT_TRUE(own.Delete(2));
    ASSERT_TRUE(own.Add({"F7", "f"}));
    EXPECT_EQ(testing::ReadBytes(env),
              ComposeEnvText({{"F3", "b"}, {"F4", "c"}, {"F6", "e"}, {"F2", "a"}, {"F7", "f"}}));
}

TEST(EnvSession, NewLinesGoAfterTheLastHotkeyLineAsReadEvenWhenItIsGone) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    testing::WriteBytes(env, "alias F1 a\r\nset x\r\nalias F2 b\r\nset y\r\n");
    KeyloomRun run(env);
    ASSERT_TRUE(run.Delete(1));
    ASSERT_TRUE(run.Delete(0));
    ASSERT_TRUE(run.Add({"F3", "c"}));
    ASSERT_TRUE(run.Add({"F4", "d"}));
    EXPECT_EQ(testing::ReadBytes(env), "set x\r\nalias F3 c\r\nalias F4 d\r\nset y\r\n");
}

TEST(EnvSession, NewLinesWithoutAnyHotkeyLine) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    // At the end of the head, after giving its last line a line end.
    testing::WriteBytes(env, "set x 1\nset y 2");
    ASSERT_TRUE(KeyloomRun(env).Add({"F2", "a"}));
    EXPECT_EQ(testing::ReadBytes(env), "set x 1\nset y 2\nalias F2 a\n");
    // Before a marker at the very start.
    testing::WriteBytes(env, "### User Preferences section\nset z\n");
    ASSERT_TRUE(KeyloomRun(env).Add({"F2", "a"}));
    EXPECT_EQ(testing::ReadBytes(env), "alias F2 a\n### User Preferences section\nset z\n");
    // A marker inside the last hotkey line ends that line.
    testing::WriteBytes(env, "alias F9 ### User Preferences section\r\nset z\r\n");
    KeyloomRun inside(env);
    ASSERT_EQ(inside.Rows(), (Entries{{"F9", ""}}));
    ASSERT_TRUE(inside.Add({"F2", "a"}));
    EXPECT_EQ(testing::ReadBytes(env),
              "alias F9 \r\nalias F2 a\r\n### User Preferences section\r\nset z\r\n");
}

TEST(EnvSession, TheTailIsTakenFromTheDiskAtEachSave) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    const std::string head = "source $TELENV\r\nalias F2 a\r\n\r\n";
    testing::WriteBytes(env, head + "### User Preferences section\r\nset old\r\n");
    KeyloomRun run(env);
    // Allegro rewrites its section while Keyloom is open.
    testing::WriteBytes(env, head + "### User Preferences section\r\nset new\r\nset more\r\n");
    ASSERT_TRUE(run.Add({"F3", "b"}));
    EXPECT_EQ(testing::ReadBytes(env),
              "source $TELENV\r\nalias F2 a\r\nalias F3 b\r\n\r\n"
              "### User Preferences section\r\nset new\r\nset more\r\n");
    // A section added where there was none is kept too.
    testing::WriteBytes(env, "alias F2 a\r\n");
    KeyloomRun noMarker(env);
    testing::WriteBytes(env, "alias F2 a\r\n### User Preferences section\r\nset p\r\n");
    ASSERT_TRUE(noMarker.Delete(0));
    EXPECT_EQ(testing::ReadBytes(env), "### User Preferences section\r\nset p\r\n");
}

// A save that must not write: the file and the folder stay as they are, and
// the rows keep the change for a later save.
void ExpectRefused(KeyloomRun& run, const ScratchFolder& folder, const std::string& bytes,
                   const Lines& names) {
    EXPECT_FALSE(run.Add({"F3", "b"}));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), bytes);
    EXPECT_EQ(folder.Names(), names);
    EXPECT_EQ(run.Rows().back(), (HotkeyEntry{"F3", "b"}));
}

TEST(EnvSession, AHeadChangedSinceTheRunReadItIsNotWrittenOver) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    testing::WriteBytes(env, "alias F2 a\r\n### User Preferences section\r\n");
    KeyloomRun run(env);
    const std::string edited = "alias F2 a\r\nalias F9 mine\r\n### User Preferences section\r\n";
    testing::WriteBytes(env, edited);
    ExpectRefused(run, folder, edited, Lines{"env"});
    // Deleted meanwhile: nothing is written in its place either.
    std::remove(env.c_str());
    EXPECT_FALSE(run.Save());
    EXPECT_EQ(folder.Names(), Lines{});
    // Nor over a file of Allegro's section only that was emptied since.
    testing::WriteBytes(env, "### User Preferences section\r\nalias F9 x\r\n");
    KeyloomRun sectionOnly(env);
    testing::WriteBytes(env, "");
    ExpectRefused(sectionOnly, folder, "", Lines{"env"});
}

TEST(EnvSession, AFileTheRunCouldNotReadIsNotWrittenOver) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    // Missing when read; another program writes it before the first save.
    KeyloomRun run(env);
    testing::WriteBytes(env, "alias F2 a\r\n");
    ExpectRefused(run, folder, "alias F2 a\r\n", Lines{"env"});
}

#ifdef _WIN32
TEST(EnvSession, AFileHeldByAnotherProgramAtStartIsNotWrittenOver) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    const std::string bytes = "alias F1 a\r\nalias F2 b\r\n### User Preferences section\r\n";
    testing::WriteBytes(env, bytes);
    std::unique_ptr<KeyloomRun> run;
    {
        testing::HeldFile held(env, GENERIC_READ | GENERIC_WRITE, 0);
        ASSERT_TRUE(held.IsOpen());
        run = std::make_unique<KeyloomRun>(env);
    }
    EXPECT_EQ(run->Rows(), Entries{});
    ExpectRefused(*run, folder, bytes, Lines{"env"});
}
#endif

TEST(EnvSession, AZeroByteInTheFileKeepsTheSaveFromWriting) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    const std::string bytes = "alias F2 a\r\n\0alias F9 hidden\r\n"s;
    testing::WriteBytes(env, bytes);
    KeyloomRun run(env);
    EXPECT_EQ(run.Rows(), (Entries{{"F2", "a"}}));
    ExpectRefused(run, folder, bytes, Lines{"env"});
    testing::WriteBytes(env, "\0"s);
    KeyloomRun zeroOnly(env);
    ExpectRefused(zeroOnly, folder, "\0"s, Lines{"env"});
}

unsigned long long FileSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return static_cast<unsigned long long>(in.tellg());
}

// A 2 GB env of zero bytes: nothing to list, and the save refuses, as for
// any file cut by a zero byte; neither reads past the first byte, so a
// process that could never hold the file gets there too.
TEST(EnvSession, ASparseTwoGigabyteEnvListsNothingAndItsSaveRefuses) {
    static ScratchFolder folder;
    testing::MakeSparseFile(folder.File("env"), 2ull << 30);
    testing::RunWithMemoryLimit(64 << 20, [] {
        KeyloomRun run(folder.File("env"));
        EXPECT_EQ(run.Rows(), Entries{});
        EXPECT_FALSE(run.Add({"F2", "a"}));
        EXPECT_EQ(run.LastSave().refusal, EnvSession::Outcome::Refusal::None);
    });
    EXPECT_EQ(folder.Names(), Lines{"env"});
    EXPECT_EQ(FileSize(folder.File("env")), 2ull << 30);
}

// Hard links: refused with the reason, before env.bak is touched; a
// symbolic link: its target gets the text, env.bak stays beside the link.
TEST(EnvSession, ASaveThroughLinks) {
    ScratchFolder folder;
    const std::string bytes = "alias F2 a\r\nalias F3 b\r\n";
    testing::MakeFolder(folder.File("shared"));
    testing::WriteBytes(folder.File("shared/env"), bytes);
    ASSERT_TRUE(folder.RunOnHost("ln shared/env env"));
    KeyloomRun hardLinked(folder.File("env"));
    EXPECT_FALSE(hardLinked.Delete(0));
    EXPECT_EQ(hardLinked.LastSave().refusal, EnvSession::Outcome::Refusal::SeveralNames);
    EXPECT_EQ(testing::ReadBytes(folder.File("shared/env")), bytes);
    EXPECT_EQ(folder.Names(), (Lines{"env", "shared"}));

    ASSERT_TRUE(folder.RunOnHost("rm env && ln -s shared/env env"));
    KeyloomRun linked(folder.File("env"));
    ASSERT_TRUE(linked.Delete(0));
    EXPECT_EQ(testing::ReadBytes(folder.File("shared/env")), "alias F3 b\r\n");
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), bytes);
    EXPECT_TRUE(folder.RunOnHost("test -L env && test $(ls shared) = env"));
}

TEST(EnvSession, EnvBakIsTheFileAsItWasBeforeTheRunsFirstChange) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    const std::string original = "# mine\r\nalias F2 a\r\nalias F3 b\r\n";
    testing::WriteBytes(env, original);
    testing::WriteBytes(folder.File("env.bak"), "from an older run");
    KeyloomRun first(env);
    ASSERT_TRUE(first.Save());  // no change: no backup yet
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), "from an older run");
    ASSERT_TRUE(first.Delete(0));
    ASSERT_TRUE(first.Add({"F4", "c"}));
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), original);
    // The next run keeps its own starting point.
    const std::string second = testing::ReadBytes(env);
    KeyloomRun next(env);
    ASSERT_TRUE(next.Delete(0));
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), second);
    EXPECT_EQ(folder.Names(), (Lines{"env", "env.bak"}));
}

TEST(EnvSession, ABackupThatCannotBeWrittenStopsTheSave) {
    ScratchFolder folder;
    const std::string bytes = "alias F2 a\r\n";
    testing::WriteBytes(folder.File("env"), bytes);
    testing::MakeFolder(folder.File("env.bak"));
    testing::WriteBytes(folder.File("env.bak/keep"), "x");
    KeyloomRun run(folder.File("env"));
    ExpectRefused(run, folder, bytes, (Lines{"env", "env.bak"}));
}

TEST(EnvSession, AMissingFileMakesNoBackupAndLaterSavesMakeNone) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env.bak"), "from an older run");
    KeyloomRun run(folder.File("env"));
    ASSERT_TRUE(run.Add({"F2", "a"}));
    ASSERT_TRUE(run.Add({"F3", "b"}));
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), "from an older run");
}

}  // namespace
}  // namespace keyloom
