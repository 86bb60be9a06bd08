#include "core/line_store.h"

#include <algorithm>
#include <cstring>

namespace keyloom {

namespace {

// Bytes of new lines are copied into chunks of this size (a longer line
// gets a chunk of its own), so a million small lines make few allocations.
constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

void ReadKind(LineRecord* record) {
    HotkeySpans spans;
    record->hotkey = ReadHotkeySpans(record->Content(), &spans);
    if (!record->hotkey) return;
    record->verb = spans.verb;
    record->keyBegin = static_cast<std::uint32_t>(spans.keyBegin);
    record->keyLength = static_cast<std::uint32_t>(spans.keyLength);
    record->commandBegin = static_cast<std::uint32_t>(spans.commandBegin);
    record->commandLength = static_cast<std::uint32_t>(spans.commandLength);
}

}  // namespace

LineStore::LineStore() : storage_(std::make_shared<Storage>()) {}

LineId LineStore::Add(const LineRecord& record) {
    Storage& storage = *storage_;
    const std::size_t id = storage.count;
    if (id % LineStoreView::kBlockLines == 0) {
        storage.blocks.push_back(std::make_unique<LineRecord[]>(LineStoreView::kBlockLines));
    }
    storage.blocks.back()[id % LineStoreView::kBlockLines] = record;
    ++storage.count;
    return static_cast<LineId>(id);
}

const char* LineStore::CopyBytes(std::string_view content, std::string_view lineEnd) {
    Storage& storage = *storage_;
    const std::size_t size = content.size() + lineEnd.size();
    if (size > storage.freeLength) {
        const std::size_t chunk = std::max(size, kChunkBytes);
        storage.chunks.push_back(std::make_unique<char[]>(chunk));
        storage.free = storage.chunks.back().get();
        storage.freeLength = chunk;
    }
    char* bytes = storage.free;
    if (!content.empty()) std::memcpy(bytes, content.data(), content.size());
    if (!lineEnd.empty()) std::memcpy(bytes + content.size(), lineEnd.data(), lineEnd.size());
    storage.free += size;
    storage.freeLength -= size;
    return bytes;
}

LineId LineStore::AddLine(std::string_view content, std::string_view lineEnd, LineMarks marks) {
    LineRecord record;
    record.marker = marks.marker;
    record.layout = marks.layout;
    record.bytes = CopyBytes(content, lineEnd);
    record.length = static_cast<std::uint32_t>(content.size());
    record.endLength = static_cast<std::uint8_t>(lineEnd.size());
    ReadKind(&record);
    return Add(record);
}

LineId LineStore::AddKeptLine(std::string_view content, std::size_t endLength, LineMarks marks) {
    LineRecord record;
    record.marker = marks.marker;
    record.layout = marks.layout;
    record.bytes = content.data();
    record.length = static_cast<std::uint32_t>(content.size());
    record.endLength = static_cast<std::uint8_t>(endLength);
    ReadKind(&record);
    return Add(record);
}

std::string_view LineStore::KeepText(std::string text) {
    storage_->texts.push_back(std::make_unique<std::string>(std::move(text)));
    return *storage_->texts.back();
}

LineId LineStore::AddEnded(LineId from, std::string_view lineEnd) {
    const LineRecord& old = (*this)[from];
    LineRecord record = old;
    record.bytes = CopyBytes(old.Content(), lineEnd);
    record.endLength = static_cast<std::uint8_t>(lineEnd.size());
    record.endedFrom = from;
    return Add(record);
}

LineStoreView LineStore::View() const {
    LineStoreView view;
    view.blocks_.reserve(storage_->blocks.size());
    for (const auto& block : storage_->blocks) view.blocks_.push_back(block.get());
    view.keep_ = storage_;
    return view;
}

}  // namespace keyloom
