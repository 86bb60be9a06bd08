// The portable half of the env file layer: reading the text up to the
// first zero byte, and writes that replace a file in one step.
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

// A new file of ours beside path, named for this process.
std::string OwnTemporaryPathFor(const std::string& path, std::string_view suffix) {
    return TemporaryPathFor(path, fileos::CurrentProcessId(), suffix);
}

// Writes bytes to a temporary file and puts it in the place of target, so
// target is either the old file or all of the new bytes, never a part.
bool ReplaceFileContents(const std::string& target, std::string_view bytes,
                         std::string_view suffix) {
    const std::string temporary = OwnTemporaryPathFor(target, suffix);
    if (fileos::WriteFlushedFile(temporary, bytes) && fileos::ReplaceWithFile(temporary, target)) {
        return true;
    }
    fileos::RemoveFileQuietly(temporary);
    return false;
}

}  // namespace

TextRead ReadEnvText(const std::string& path, std::string* text) {
    text->clear();
    if (path.empty()) return TextRead::kFailed;
    // Room for the whole file at once, so a large env is not copied as the
    // text grows; a file too large for that (a sparse one, say, whose text
    // may end at its first byte) grows as it is read instead.
    const std::uint64_t size = fileos::FileSizeHint(path);
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

std::string BytesToText(std::string_view bytes) {
    const void* zero = std::memchr(bytes.data(), '\0', bytes.size());
    if (zero == nullptr) return std::string(bytes);
    return std::string(bytes.data(), static_cast<const char*>(zero) - bytes.data());
}

bool HasSeveralNames(const std::string& path) {
    return !path.empty() && fileos::NameCount(fileos::FinalTarget(path)) > 1;
}

bool WriteEnvFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    // A link stays a link: the file it leads to is the one replaced, with
    // the temporary beside it, so the rename stays on its volume.
    const std::string target = fileos::FinalTarget(path);
    // An administrator (and Wine run as root) could write it anyway.
    if (fileos::IsReadOnlyFile(target)) return false;
    // Replacing one name of several would part it from the others.
    if (fileos::NameCount(target) > 1) return false;
    return ReplaceFileContents(target, bytes, kNewFileSuffix);
}

SaveTarget ResolveSaveTarget(const std::string& path) {
    SaveTarget target{fileos::FinalTarget(path)};
    if (fileos::IsFolder(target.path)) {
        target.refusal = SaveRefusal::kFolder;
    } else if (fileos::IsReadOnlyFile(target.path)) {
        target.refusal = SaveRefusal::kReadOnly;
    } else if (fileos::NameCount(target.path) > 1) {
        target.refusal = SaveRefusal::kSeveralNames;
    }
    return target;
}

bool ReplaceEnvFile(const SaveTarget& target, std::string_view bytes) {
    if (target.path.empty() || target.refusal != SaveRefusal::kNone) return false;
    return ReplaceFileContents(target.path, bytes, kNewFileSuffix);
}

FileStamp StampOf(const std::string& path) {
    FileStamp stamp;
    if (!path.empty())
        fileos::Stamp(path, &stamp.exists, &stamp.size, &stamp.writeTime, &stamp.identity);
    return stamp;
}

bool WriteBackupFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    return ReplaceFileContents(path + std::string(kBackupSuffix), bytes, kBackupCopySuffix);
}

}  // namespace keyloom
