// The portable half of the env file layer: reading the text up to the
// first zero byte, the save's target and the replace's order of steps.
#include "core/env_file.h"

#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/env_file_os.h"
#include "core/env_temporary.h"

namespace keyloom {
namespace {

// Whether an allocation of size bytes can be served now. The program's
// operator new ends it when memory runs out, so a read whose size the file
// decides asks malloc first.
// The largest file whose room a read reserves before reading it.
constexpr std::uint64_t kReserveAtMost = std::uint64_t{64} << 20;

bool CanAllocate(std::size_t size) {
    // Called through a volatile pointer: a compiler may otherwise drop a
    // malloc whose block is only freed, and take it as served.
    static void* (*volatile const allocate)(std::size_t) = std::malloc;
    void* block = allocate(size);
    std::free(block);
    return block != nullptr;
}

// Room in text for extra more bytes, doubling its capacity (or more when
// extra needs it). Asked for exactly: the string's own growth is not left
// to choose a size that was never checked. False when it cannot be held.
bool MakeRoom(std::string& text, std::size_t extra) {
    const std::size_t capacity = text.capacity();
    if (extra > text.max_size() - text.size()) return false;
    const std::size_t needed = text.size() + extra;
    if (needed <= capacity) return true;
    const std::size_t doubled = capacity <= text.max_size() / 2 ? 2 * capacity : text.max_size();
    const std::size_t wanted = needed > doubled ? needed : doubled;
    // One byte more for the string's terminating zero.
    if (wanted == text.max_size() || !CanAllocate(wanted + 1)) return false;
    text.reserve(wanted);
    return true;
}

// Gives back the string's spare room, when the exact copy can be made.
void DropSpareRoom(std::string& text) {
    if (text.capacity() > text.size() && CanAllocate(text.size() + 1)) text.shrink_to_fit();
}

// Puts bytes in the place of target through a temporary beside it (see
// ReplaceEnvFile), so target is either the old file or all of the new
// bytes, never a part; on failure nothing of ours is left. With expected,
// the file must still be as it stamps it right before the new one takes
// its place.
ReplaceOutcome ReplaceWhole(const std::string& target, std::string_view bytes,
                            const FileStamp* expected = nullptr) {
    using fileos::ReachSaveStep;
    using fileos::SaveStep;
    const unsigned long id = fileos::CurrentProcessId();
    const std::string part = TemporaryPathFor(target, id, kPartSuffix);
    const std::string whole = TemporaryPathFor(target, id, kWholeSuffix);
    bool done = fileos::WriteFlushedFile(part, bytes);
    if (done) {
        ReachSaveStep(SaveStep::kTemporaryClosed);
        done = fileos::CopyKeptAttributes(target, part);
    }
    if (done) {
        ReachSaveStep(SaveStep::kKeptCopied);
        done = fileos::MoveOnto(part, whole);
    }
    bool changed = false;
    if (done) {
        ReachSaveStep(SaveStep::kTemporaryWhole);
        changed = expected != nullptr && StampOf(target) != *expected;
        done = !changed && fileos::MoveOnto(whole, target);
    }
    if (done) {
        ReachSaveStep(SaveStep::kPutInPlace);
        return ReplaceOutcome::kReplaced;
    }
    fileos::RemoveFileQuietly(part);
    fileos::RemoveFileQuietly(whole);
    return changed ? ReplaceOutcome::kChangedMeanwhile : ReplaceOutcome::kFailed;
}

}  // namespace

TextRead ReadEnvText(const std::string& path, std::string* text) {
    text->clear();
    if (path.empty()) return TextRead::kFailed;
    // Room for the whole file at once, so a large env is not copied as the
    // text grows; a file too large for that (a sparse one, say, whose text
    // may end at its first byte) grows as it is read instead.
    const fileos::FileFacts facts = fileos::FactsOf(path);
    const std::uint64_t size = facts.folder ? 0 : facts.size;
    if (size > 0 && size <= kReserveAtMost && CanAllocate(static_cast<std::size_t>(size) + 1)) {
        text->reserve(static_cast<std::size_t>(size));
    }
    bool cut = false;
    bool held = true;
    const fileos::ReadResult read = fileos::ReadFileChunks(path, [&](std::string_view piece) {
        const void* zero = std::memchr(piece.data(), '\0', piece.size());
        if (zero != nullptr) {
            cut = true;
            piece = piece.substr(0, static_cast<const char*>(zero) - piece.data());
        }
        held = MakeRoom(*text, piece.size());
        if (held) text->append(piece);
        return held && !cut;
    });
    if (read != fileos::ReadResult::kRead || !held) {
        // Assigned, not cleared: a text too large to hold gives its memory back.
        *text = std::string();
        return read == fileos::ReadResult::kMissing ? TextRead::kMissing : TextRead::kFailed;
    }
    DropSpareRoom(*text);
    return cut ? TextRead::kCutAtZero : TextRead::kWhole;
}

std::string ReadEnvText(const std::string& path) {
    std::string text;
    ReadEnvText(path, &text);
    return text;
}

SaveTarget ResolveSaveTarget(const std::string& path) {
    SaveTarget target;
    if (path.empty()) return target;
    // A link stays a link: the file it leads to is the one replaced, with
    // the temporary beside it, so the rename stays on its volume.
    target.path = fileos::FinalTarget(path);
    const fileos::FileFacts facts = fileos::FactsOf(target.path);
    if (facts.folder) {
        target.refusal = SaveRefusal::kFolder;
    } else if (facts.readOnly) {
        target.refusal = SaveRefusal::kReadOnly;
    } else if (facts.names > 1) {
        // Replacing one name of several would part it from the others.
        target.refusal = SaveRefusal::kSeveralNames;
    }
    return target;
}

bool ReplaceEnvFile(const SaveTarget& target, std::string_view bytes) {
    if (target.path.empty() || target.refusal != SaveRefusal::kNone) return false;
    return ReplaceWhole(target.path, bytes) == ReplaceOutcome::kReplaced;
}

ReplaceOutcome ReplaceEnvFileAsRead(const SaveTarget& target, std::string_view bytes,
                                    const FileStamp& read) {
    if (target.path.empty() || target.refusal != SaveRefusal::kNone) {
        return ReplaceOutcome::kFailed;
    }
    return ReplaceWhole(target.path, bytes, &read);
}

bool WriteBackupFile(const std::string& envPath, std::string_view bytes) {
    if (envPath.empty()) return false;
    return ReplaceWhole(envPath + std::string(kBackupSuffix), bytes) == ReplaceOutcome::kReplaced;
}

FileStamp StampOf(const std::string& path) {
    const fileos::FileFacts facts = fileos::FactsOf(path);
    FileStamp stamp;
    stamp.exists = facts.exists;
    stamp.size = facts.size;
    stamp.writeTime = facts.writeTime;
    stamp.identity = facts.identity;
    return stamp;
}

}  // namespace keyloom
