// Arbitrary bytes through the table library: the scanning operations, the
// unit record both ways, line replacement, the list walk and the code page
// 932 helpers, each checked against what it promises. Any broken promise
// aborts, so the fuzzer reports it with its input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "table/cp932.h"
#include "table/document.h"
#include "table/text_format.h"
#include "table/unit_walk.h"

namespace kelvor::table {
namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

bool Has(std::string_view s, std::string_view bytes) { return s.find_first_of(bytes) != std::string_view::npos; }

// One document for all runs: a fresh block for every input would cost more
// than the checks themselves.
DocumentText& Reused() {
    static DocumentText doc;
    return doc;
}

// Where each line of the text starts, as the document counts lines.
std::vector<std::size_t> LineStarts(std::string_view s) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < s.size();) {
        starts.push_back(i);
        const std::size_t lf = s.find('\n', i);
        i = lf == std::string_view::npos ? s.size() : lf + 1;
    }
    return starts;
}

// Every field ReadField gives from c, each checked on the way.
std::vector<std::string> ReadAll(Cursor c) {
    std::vector<std::string> fields;
    std::string f;
    for (;;) {
        const char* before = c.pos;
        if (!ReadField(c, f)) {
            Check(c.pos == before && (c.pos == c.end || *c.pos == '\r' || *c.pos == '\n'));
            return fields;
        }
        Check(c.pos > before || c.pos == c.end || *c.pos == '\r' || *c.pos == '\n');
        Check(c.pos <= c.end && !Has(f, ",\r"));
        fields.push_back(f);
    }
}

void CheckScanning(std::string_view text) {
    const char* end = text.data() + text.size();
    for (std::size_t start : LineStarts(text)) {
        const Cursor at{text.data() + start, end};
        const std::vector<std::string> fields = ReadAll(at);
        const int n = static_cast<int>(fields.size());
        // No field ever reaches past the end of its own line.
        for (const std::string& f : fields) Check(!Has(f, "\r\n"));
        // Skipping succeeds exactly as far as reading does, and moves nothing when it fails.
        for (int count : {0, 1, n - 1, n, n + 1, -1}) {
            Cursor c = at;
            const int ok = SkipFields(c, count);
            Check(ok == (count <= n ? 1 : 0));
            if (!ok) Check(c.pos == at.pos);
            if (count <= 0) Check(c.pos == at.pos);
        }
        Cursor line = at;
        Check(SkipLine(line) == 1 && line.pos > at.pos && line.pos <= end);
        Check(line.pos == end || line.pos[-1] == '\n');
        const bool unit = n >= 2 && !fields[0].empty() && fields[1] == kMarkSet;
        Check(IsUnitLine(at) == (unit ? 1 : 0));

        UnitRecord rec;
        rec.fill("\x01");
        const int parsed = ParseUnitLine(at, rec);
        Check(parsed == (unit && n >= kFieldCount ? 1 : 0));
        if (!unit) {
            for (const std::string& entry : rec) Check(entry == "\x01");
            continue;
        }
        for (int i = 0; i < kFieldCount; ++i) {
            const std::string& entry = rec[static_cast<std::size_t>(i)];
            if (i >= n) Check(entry == "\x01");
            else if (parsed && i >= kFirstMovementField && i <= kLastMovementField)
                Check(entry == MovementClassName(fields[static_cast<std::size_t>(i)]));
            else Check(entry == fields[static_cast<std::size_t>(i)]);
        }
    }
}

// A record composes exactly when no entry holds a comma, CR or LF; the line
// has 194 fields and, when its first and last fields are set, parses back.
void CheckCompose(const UnitRecord& rec) {
    bool joinable = true;
    for (const std::string& entry : rec) joinable = joinable && !Has(entry, ",\r\n");
    std::string line = "\x02";
    const int composed = ComposeUnitLine(rec, line);
    Check(composed == (joinable ? 1 : 0));
    if (!composed) {
        Check(line == "\x02");
        return;
    }
    std::size_t commas = 0;
    for (char ch : line) commas += ch == ',';
    Check(commas == kFieldCount - 1 && !Has(line, "\r\n"));
    if (rec[0].empty() || rec[1] != kMarkSet || rec[kFieldCount - 1].empty()) return;
    const std::string withEnd = line + "\r\n";
    UnitRecord back;
    Check(ParseUnitLine({withEnd.data(), withEnd.data() + withEnd.size()}, back) == 1);
    for (int i = 0; i < kFieldCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i >= kFirstMovementField && i <= kLastMovementField)
            Check(back[k] == MovementClassName(MovementClassCode(rec[k])));
        else Check(back[k] == rec[k]);
    }
}

void CheckRecords(std::string_view text) {
    // Records read from the text's unit lines.
    for (std::size_t start : LineStarts(text)) {
        UnitRecord rec;
        if (ParseUnitLine({text.data() + start, text.data() + text.size()}, rec)) CheckCompose(rec);
    }
    // A record made straight from the bytes: entries split at 0x1F.
    UnitRecord rec;
    std::size_t k = 0;
    for (char ch : text) {
        if (ch == '\x1f') {
            if (++k == rec.size()) break;
        } else {
            rec[k] += ch;
        }
    }
    CheckCompose(rec);
    rec[1] = kMarkSet;
    if (rec[0].empty()) rec[0] = "u";
    if (rec[193].empty()) rec[193] = "1";
    CheckCompose(rec);
}

// The first two bytes pick the line, the bytes up to the first 0x1F make the
// new text (LF taken out, as every caller passes one line), the rest is the table.
void CheckReplace(std::string_view data) {
    if (data.size() < 2) return;
    const int line = static_cast<signed char>(data[0]) * 4 + static_cast<unsigned char>(data[1]) % 4;
    data.remove_prefix(2);
    const std::size_t cut = std::min(data.find('\x1f'), data.size());
    std::string with(data.substr(0, cut));
    std::erase(with, '\n');
    const std::string_view text = data.substr(std::min(cut + 1, data.size()));

    DocumentText& doc = Reused();
    Check(doc.Assign(text));
    const std::vector<std::size_t> starts = LineStarts(text);
    const std::size_t target = line < 0 ? 0 : static_cast<std::size_t>(line);
    for (std::size_t i : {std::size_t{0}, target, starts.size() / 2, starts.size() - 1, starts.size(), starts.size() + 1})
        Check(doc.LineStart(static_cast<int>(i)).pos == doc.data() + (i < starts.size() ? starts[i] : text.size()));
    const int replaced = doc.ReplaceLine(line, with);
    if (target >= starts.size()) {
        Check(replaced == 0 && doc.view() == text);
        return;
    }
    Check(replaced == 1);
    const std::size_t from = starts[target];
    const std::size_t to = target + 1 < starts.size() ? starts[target + 1] : text.size();
    const std::string expected = std::string(text.substr(0, from)) + with + "\r\n" + std::string(text.substr(to));
    Check(doc.view() == expected);
    Check(LineStarts(doc.view()).size() == starts.size());
}

void CheckWalk(std::string_view text) {
    DocumentText& doc = Reused();
    Check(doc.Assign(text));
    const std::vector<std::size_t> starts = LineStarts(text);
    std::size_t next = 0;  // the next line that may be a unit
    WalkUnitLines(doc, [&](const UnitLineValues& v) {
        Check(v.lineNumber >= 0 && static_cast<std::size_t>(v.lineNumber) < starts.size());
        const auto lineNumber = static_cast<std::size_t>(v.lineNumber);
        Check(lineNumber >= next);
        const Cursor at{doc.data() + starts[lineNumber], doc.data() + doc.size()};
        Check(IsUnitLine(at) == 1);
        for (; next < lineNumber; ++next) Check(!IsUnitLine({doc.data() + starts[next], at.end}));
        next = lineNumber + 1;
        // Exactly the values the line holds, up to the first it lacks.
        const std::vector<std::string> fields = ReadAll(at);
        Check(v.name == fields[0]);
        static constexpr int kTableFields[] = {3, 4, 5, 6, 31, 32};
        static constexpr int kWeaponFields[] = {64, 84, 104, 124, 144};
        int tableValues = 0, weaponTypes = 0;
        while (tableValues < 6 && kTableFields[tableValues] < static_cast<int>(fields.size())) ++tableValues;
        if (tableValues == 6)
            while (weaponTypes < 5 && kWeaponFields[weaponTypes] < static_cast<int>(fields.size())) ++weaponTypes;
        Check(v.tableValueCount == tableValues && v.weaponTypeCount == weaponTypes);
        for (int i = 0; i < tableValues; ++i) Check(v.tableValues[i] == fields[kTableFields[i]]);
        for (int i = 0; i < weaponTypes; ++i) Check(v.weaponTypes[i] == fields[kWeaponFields[i]]);
    });
    for (; next < starts.size(); ++next) Check(!IsUnitLine({doc.data() + starts[next], doc.data() + doc.size()}));
}

void CheckCp932(std::string_view data) {
    const std::size_t half = data.size() / 2;
    const std::string_view a = data.substr(0, half), b = data.substr(half);
    const std::string fa = FoldCase(a), fb = FoldCase(b);
    Check(fa.size() == a.size() && FoldCase(fa) == fa);
    Check(EqualsIgnoreCase(a, a) && EqualsIgnoreCase(a, fa));
    Check(EqualsIgnoreCase(a, b) == (fa == fb) && EqualsIgnoreCase(a, b) == EqualsIgnoreCase(b, a));
    // Folding touches only single ASCII capitals and the first byte pair of a character.
    std::vector<std::size_t> boundaries;
    for (std::size_t i = 0; i < a.size();) {
        boundaries.push_back(i);
        const std::size_t width = IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size() ? 2 : 1;
        if (width == 1 && fa[i] != a[i]) Check(a[i] >= 'A' && a[i] <= 'Z' && fa[i] == a[i] + 0x20);
        if (width == 2 && fa.compare(i, 2, a.substr(i, 2)) != 0) Check(fa[i] == a[i] && (a[i] == '\x82' || a[i] == '\x83' || a[i] == '\x84'));
        i += width;
    }
    // The search gives the first boundary the needle starts at.
    const std::size_t needleLength = b.size() % 5;
    const std::string_view needle = b.substr(0, needleLength);
    std::size_t expected = needle.empty() ? 0 : std::string_view::npos;
    if (!needle.empty())
        for (std::size_t i : boundaries)
            if (a.compare(i, needle.size(), needle) == 0) {
                expected = i;
                break;
            }
    Check(FindAtCharBoundary(a, needle) == expected);
}

}  // namespace
}  // namespace kelvor::table

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvor::table;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckScanning(bytes);
    CheckRecords(bytes);
    CheckReplace(bytes);
    CheckWalk(bytes);
    CheckCp932(bytes);
    return 0;
}
