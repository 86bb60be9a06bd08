#include "core/env_document.h"

#include "core/text_rules.h"

namespace keyloom {

namespace {

constexpr std::size_t kLinesPerProgress = 4096;

std::size_t InsertionPlace(const EnvDocument& document) {
    const std::vector<EnvLine>& lines = document.lines;
    const std::size_t headLines = document.tailLine;
    for (std::size_t i = headLines; i > 0; --i) {
        if (lines[i - 1].hotkey) return i;
    }
    if (headLines > 0 && lines[headLines - 1].span.length == 0) return headLines - 1;
    return headLines;
}

constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);

// Which row keeps each line (kNoRow for none), and the rows that are written
// as new lines, in list order. A row keeps the line of its origin when that
// is a hotkey line that no row before it keeps.
struct LineOwners {
    std::vector<std::size_t> rowOfLine;
    std::vector<std::size_t> newRows;
};

LineOwners OwnersOfLines(const EnvDocument& document, const std::vector<RowOrigin>& origins,
                         std::size_t rowCount) {
    LineOwners owners;
    owners.rowOfLine.assign(document.lines.size(), kNoRow);
    for (std::size_t row = 0; row < rowCount; ++row) {
        const std::size_t line = row < origins.size() ? origins[row].line : kNoLine;
        if (line < document.lines.size() && document.lines[line].hotkey &&
            owners.rowOfLine[line] == kNoRow) {
            owners.rowOfLine[line] = row;
        } else {
            owners.newRows.push_back(row);
        }
    }
    return owners;
}

class DocumentWriter {
public:
    explicit DocumentWriter(WrittenDocument& out) : out_(out) {}

    // The lines [begin, end) of a document, which follow each other in its
    // text, in one piece.
    void CopyLines(std::string_view text, const std::vector<EnvLine>& lines, std::size_t begin,
                   std::size_t end) {
        if (begin >= end) return;
        const std::size_t from = lines[begin].span.begin;
        std::string& out = out_.document.text;
        // Unsigned: adding it moves a place from the old text to the new.
        const std::size_t shift = out.size() - from;
        out.append(text.substr(from, lines[end - 1].span.End() - from));
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
        std::string& text = out_.document.text;
        const std::size_t begin = text.size();
        text.append(word).append(1, ' ').append(key).append(1, ' ').append(command);
        const std::size_t length = text.size() - begin;
        text.append(lineEnd);
        out_.document.lines.push_back({{begin, length, lineEnd.size()}, true, verb});
    }

    // A last line without a line end gets one before a new line follows.
    // After a CR of its own an LF would join it into the line end and take
    // the CR from the line, so such a line gets CR LF.
    void EndLastLine(std::string_view lineEnd) {
        std::vector<EnvLine>& lines = out_.document.lines;
        if (lines.empty() || lines.back().span.endLength != 0) return;
        std::string& text = out_.document.text;
        const std::size_t end = text.size();
        if (end > 0 && text[end - 1] == '\r' &&
            IsCharStart(text, end - 1, lines.back().span.begin)) {
            lineEnd = "\r\n";
        }
        text.append(lineEnd);
        lines.back().span.endLength = lineEnd.size();
    }

    std::size_t LineCount() const { return out_.document.lines.size(); }

    // The tail begins here.
    void EndHead() {
        out_.document.headLength = out_.document.text.size();
        out_.document.tailLine = LineCount();
    }

private:
    WrittenDocument& out_;
};

}  // namespace

EnvDocument ReadEnvDocument(std::string_view text) {
    EnvDocument document;
    document.text.assign(text);
    document.headLength = HeadLength(text);
    document.tailLine = kNoLine;
    const std::string_view all = document.text;
    HotkeyEntry entry;
    ForEachEnvLine(all, document.headLength, [&](const LineSpan& span) {
        if (span.begin >= document.headLength && document.tailLine == kNoLine) {
            document.tailLine = document.lines.size();
        }
        EnvLine line{span, false, HotkeyVerb::Alias};
        line.hotkey = ReadHotkeyLine(all.substr(span.begin, span.length), &line.verb, &entry);
        document.lines.push_back(line);
    });
    if (document.tailLine == kNoLine) document.tailLine = document.lines.size();
    document.insertAt = InsertionPlace(document);
    return document;
}

void DocumentHotkeys(const EnvDocument& document, std::vector<HotkeyEntry>* entries,
                     std::vector<RowOrigin>* origins) {
    if (entries) entries->clear();
    origins->clear();
    const std::string_view text = document.text;
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        const EnvLine& line = document.lines[i];
        if (!line.hotkey) continue;
        origins->push_back({i, line.verb});
        if (!entries) continue;
        HotkeyEntry entry;
        HotkeyVerb verb;
        ReadHotkeyLine(text.substr(line.span.begin, line.span.length), &verb, &entry);
        entries->push_back(std::move(entry));
    }
}

WrittenDocument WriteDocument(const EnvDocument& document, const std::vector<HotkeyEntry>& rows,
                              const std::vector<RowOrigin>& origins, std::string_view newLineEnd,
                              const std::function<void()>& progress) {
    auto tick = [&](std::size_t count) {
        if (progress && count % kLinesPerProgress == 0) progress();
    };
    WrittenDocument out;
    out.document.text.reserve(document.text.size() + 64);
    out.document.lines.reserve(document.lines.size() + rows.size());
    out.origins.resize(rows.size());
    const LineOwners owners = OwnersOfLines(document, origins, rows.size());
    DocumentWriter writer(out);
    const std::string_view text = document.text;

    auto writeNewRows = [&] {
        for (std::size_t i = 0; i < owners.newRows.size(); ++i) {
            tick(i);
            const std::size_t row = owners.newRows[i];
            const HotkeyVerb verb = row < origins.size() ? origins[row].verb : HotkeyVerb::Alias;
            out.origins[row] = {writer.LineCount(), verb};
            writer.NewLine(rows[row], verb, newLineEnd);
        }
        out.document.insertAt = writer.LineCount();
    };

    // The lines that stay go over in runs, one piece for each run.
    std::size_t runBegin = 0;
    auto copyRun = [&](std::size_t end) {
        writer.CopyLines(text, document.lines, runBegin, end);
        runBegin = end;
    };
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        tick(i);
        if (i == document.insertAt) {
            copyRun(i);
            writeNewRows();
        }
        if (i == document.tailLine) {
            copyRun(i);
            writer.EndHead();
        }
        const EnvLine& line = document.lines[i];
        const std::size_t row = owners.rowOfLine[i];
        if (line.hotkey && row == kNoRow) {
            if (i >= document.tailLine) out.dropsTailLine = true;
            copyRun(i);
            runBegin = i + 1;
            continue;
        }
        if (line.hotkey) {
            out.origins[row] = {writer.LineCount() + (i - runBegin), line.verb};
        }
    }
    copyRun(document.lines.size());
    if (document.insertAt >= document.lines.size()) writeNewRows();
    if (document.tailLine >= document.lines.size()) writer.EndHead();
    return out;
}

}  // namespace keyloom
