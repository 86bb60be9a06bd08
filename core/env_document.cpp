#include "core/env_document.h"

#include "core/text_rules.h"

namespace keyloom {

namespace {

constexpr std::size_t kLinesPerProgress = 4096;

std::size_t InsertionPlace(const EnvDocument& document) {
    const std::vector<EnvLine>& lines = document.lines;
    for (std::size_t i = lines.size(); i > 0; --i) {
        if (lines[i - 1].hotkey) return i;
    }
    if (!lines.empty() && lines.back().span.length == 0) return lines.size() - 1;
    return lines.size();
}

// Which lines the rows keep: the longest run of rows, from the first, whose
// lines are hotkey lines in strictly rising order.
std::vector<bool> KeptLines(const EnvDocument& document, const std::vector<RowOrigin>& origins,
                            std::size_t* keptRows) {
    std::vector<bool> kept(document.lines.size(), false);
    std::size_t previous = kNoLine;
    std::size_t row = 0;
    for (; row < origins.size(); ++row) {
        const std::size_t line = origins[row].line;
        if (line >= document.lines.size() || !document.lines[line].hotkey) break;
        if (previous != kNoLine && line <= previous) break;
        kept[line] = true;
        previous = line;
    }
    *keptRows = row;
    return kept;
}

class HeadWriter {
public:
    explicit HeadWriter(WrittenHead& out) : out_(out) {}

    // The lines [begin, end) of a document, which follow each other in its
    // head, in one piece.
    void CopyLines(std::string_view head, const std::vector<EnvLine>& lines, std::size_t begin,
                   std::size_t end) {
        if (begin >= end) return;
        const std::size_t from = lines[begin].span.begin;
        std::string& out = out_.document.head;
        // Unsigned: adding it moves a place from the old head to the new.
        const std::size_t shift = out.size() - from;
        out.append(head.substr(from, lines[end - 1].span.End() - from));
        for (std::size_t i = begin; i < end; ++i) {
            EnvLine line = lines[i];
            line.span.begin += shift;
            out_.document.lines.push_back(line);
        }
    }

    void NewLine(const HotkeyEntry& row, HotkeyVerb verb, std::string_view lineEnd) {
        EndLastLine(lineEnd);
        const std::string_view word = VerbWord(verb);
        const std::string_view key = TrimTrailingSpacesView(row.key);
        const std::string_view command = TrimTrailingSpacesView(row.command);
        std::string& head = out_.document.head;
        const std::size_t begin = head.size();
        head.append(word).append(1, ' ').append(key).append(1, ' ').append(command);
        const std::size_t length = head.size() - begin;
        head.append(lineEnd);
        out_.document.lines.push_back({{begin, length, lineEnd.size()}, true, verb});
    }

    // A last line without a line end gets one before a new line follows.
    // After a CR of its own an LF would join it into the line end and take
    // the CR from the line, so such a line gets CR LF.
    void EndLastLine(std::string_view lineEnd) {
        std::vector<EnvLine>& lines = out_.document.lines;
        if (lines.empty() || lines.back().span.endLength != 0) return;
        std::string& head = out_.document.head;
        const std::size_t end = head.size();
        if (end > 0 && head[end - 1] == '\r' &&
            IsCharStart(head, end - 1, lines.back().span.begin)) {
            lineEnd = "\r\n";
        }
        head.append(lineEnd);
        lines.back().span.endLength = lineEnd.size();
    }

    std::size_t LineCount() const { return out_.document.lines.size(); }

private:
    WrittenHead& out_;
};

}  // namespace

EnvDocument ReadEnvDocument(std::string_view text) {
    EnvDocument document;
    document.head.assign(text.substr(0, HeadLength(text)));
    const std::string_view head = document.head;
    HotkeyEntry entry;
    for (std::size_t pos = 0; pos < head.size();) {
        const LineSpan span = LineAt(head, pos);
        EnvLine line{span, false, HotkeyVerb::Alias};
        line.hotkey = ReadHotkeyLine(head.substr(span.begin, span.length), &line.verb, &entry);
        document.lines.push_back(line);
        pos = span.End();
    }
    document.insertAt = InsertionPlace(document);
    return document;
}

void DocumentHotkeys(const EnvDocument& document, std::vector<HotkeyEntry>* entries,
                     std::vector<RowOrigin>* origins) {
    if (entries) entries->clear();
    origins->clear();
    const std::string_view head = document.head;
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        const EnvLine& line = document.lines[i];
        if (!line.hotkey) continue;
        origins->push_back({i, line.verb});
        if (!entries) continue;
        HotkeyEntry entry;
        HotkeyVerb verb;
        ReadHotkeyLine(head.substr(line.span.begin, line.span.length), &verb, &entry);
        entries->push_back(std::move(entry));
    }
}

WrittenHead WriteHead(const EnvDocument& document, const std::vector<HotkeyEntry>& rows,
                      const std::vector<RowOrigin>& origins, std::string_view newLineEnd,
                      const std::function<void()>& progress) {
    auto tick = [&](std::size_t count) {
        if (progress && count % kLinesPerProgress == 0) progress();
    };
    WrittenHead out;
    out.document.head.reserve(document.head.size() + 64);
    out.document.lines.reserve(document.lines.size() + rows.size());
    out.origins.resize(rows.size());
    std::size_t keptRows = 0;
    const std::vector<bool> kept = KeptLines(document, origins, &keptRows);
    HeadWriter writer(out);
    const std::string_view head = document.head;
    std::size_t nextKeptRow = 0;

    auto writeNewRows = [&] {
        for (std::size_t row = keptRows; row < rows.size(); ++row) {
            tick(row);
            const HotkeyVerb verb = row < origins.size() ? origins[row].verb : HotkeyVerb::Alias;
            out.origins[row] = {writer.LineCount(), verb};
            writer.NewLine(rows[row], verb, newLineEnd);
        }
        out.document.insertAt = writer.LineCount();
    };

    // The lines that stay go over in runs, one piece for each run.
    std::size_t runBegin = 0;
    auto copyRun = [&](std::size_t end) {
        writer.CopyLines(head, document.lines, runBegin, end);
        runBegin = end;
    };
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        tick(i);
        if (i == document.insertAt) {
            copyRun(i);
            writeNewRows();
        }
        const EnvLine& line = document.lines[i];
        if (line.hotkey && !kept[i]) {
            copyRun(i);
            runBegin = i + 1;
            continue;
        }
        if (line.hotkey) {
            out.origins[nextKeptRow++] = {writer.LineCount() + (i - runBegin), line.verb};
        }
    }
    copyRun(document.lines.size());
    if (document.insertAt >= document.lines.size()) writeNewRows();
    return out;
}

}  // namespace keyloom
