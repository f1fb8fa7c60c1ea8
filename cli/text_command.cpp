// text: the whole table as UTF-8 text, one field to a line, each line
// saying where its field stands, for a version control system to compare
// tables line by line (a textconv filter).
#include <array>
#include <charconv>
#include <cstring>
#include <string>

#include "cli/command_support.h"
#include "cli/table_input.h"
#include "cli/table_lines.h"
#include "cli/utf8_text.h"
#include "form/record_layout.h"

namespace kelvor::cli {

namespace {

// Labels and the line's prefix are copied in blocks of this size, whatever
// their length, which is faster than a copy of the exact length.
constexpr std::size_t kPiece = 32;

// A text of at most kPiece bytes, padded, copied whole.
struct Piece {
    std::array<char, kPiece> bytes{};
    std::size_t size = 0;
    std::string longer;  // a text longer than kPiece, copied as it is

    void Set(std::string_view text) {
        size = text.size();
        if (size > kPiece) {
            longer = std::string(text);
            return;
        }
        std::memcpy(bytes.data(), text.data(), size);
    }
    char* Write(char* at) const {
        if (size > kPiece) {
            std::memcpy(at, longer.data(), size);
        } else {
            std::memcpy(at, bytes.data(), kPiece);
        }
        return at + size;
    }
};

class TableText {
public:
    explicit TableText(std::ostream& out) : writer_(out) {
        for (const form::FieldLayout& f : form::RecordLayout())
            labels_[static_cast<std::size_t>(f.field)].Set(std::string(f.name) + ": ");
    }

    void Line(const TableLine& line) {
        char prefix[64];
        char* p = Append(Append(prefix, "line "), line.number);
        if (IsUnitLine(line.text)) {
            p = Append(Append(p, " unit "), UnitNumberOfLine(line.number));
            *p++ = ' ';
            prefix_.Set({prefix, static_cast<std::size_t>(p - prefix)});
            Fields(line.text);
        } else {
            writer_.Text({prefix, static_cast<std::size_t>(p - prefix)});
            writer_.Text(": ");
            writer_.Table(line.text);
            writer_.Text("\n");
            *p++ = ' ';
        }
        // A line end other than the editor's own is a line of its own.
        if (line.end == LineEnd::CrLf) return;
        p = Append(Append(p, "line end: "), LineEndName(line.end));
        *p++ = '\n';
        writer_.Text({prefix, static_cast<std::size_t>(p - prefix)});
    }

private:
    static char* Append(char* at, std::string_view text) {
        std::memcpy(at, text.data(), text.size());
        return at + text.size();
    }
    static char* Append(char* at, int number) {
        char digits[16];
        return Append(at, {digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, number).ptr - digits)});
    }

    // Every field of the line, split at every comma so that each byte of
    // the line is shown.
    void Fields(std::string_view text) {
        std::size_t field = 0;
        Piece extra;
        ForEachCommaField(text, [&](std::string_view value) {
            const Piece* label = &extra;
            if (field < labels_.size())
                label = &labels_[field];
            else
                extra.Set("field " + std::to_string(field) + ": ");
            ++field;
            char* at = writer_.Room(prefix_.size + label->size + 2 * kPiece + Utf8Room(value.size()) + 1);
            at = WriteUtf8(value, label->Write(prefix_.Write(at)));
            *at++ = '\n';
            writer_.Advance(at);
        });
    }

    ReportWriter writer_;
    std::array<Piece, table::kFieldCount> labels_;
    Piece prefix_;
};

}  // namespace

int RunText(const table::Path& path, Output& output) {
    table::MappedFile text;
    std::string reason;
    if (!ReadTableText(path, text, reason)) return Unusable(output, path, reason);
    TableText report(output.out);
    ForEachLine(text.view(), [&](const TableLine& line) { report.Line(line); });
    return kExitClean;
}

}  // namespace kelvor::cli
