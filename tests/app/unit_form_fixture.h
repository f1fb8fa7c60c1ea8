// The main window with a table opened through File › Open, and unit lines
// in normal form built from the record layout, for the tests of showing a
// unit and of Apply.
#pragma once

#include <QFile>
#include <QLineEdit>

#include <map>
#include <string>
#include <vector>

#include "app/framework/paths.h"
#include "form/record_layout.h"
#include "res/control_ids.h"
#include "table/text_format.h"
#include "tests/app/main_window_fixture.h"

namespace kelvor::test {

inline std::string Sjis(const char* utf8) { return fw::Cp932FromUtf8(utf8); }

using Fields = std::vector<std::string>;

inline Fields SplitFields(const std::string& line) {
    Fields out(1);
    for (char c : line) {
        if (c == ',') out.emplace_back();
        else out.back() += c;
    }
    return out;
}

inline std::string JoinFields(const Fields& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
    return line;
}

// A unit line in normal form (no line end) whose every field depends on
// `seed`: integers in range, flags "○" / "×", movement codes of the table,
// table values as the lists will hold them. `changes` overrides fields.
inline std::string NormalUnitLine(const std::string& name, int seed, const std::map<int, std::string>& changes = {}) {
    Fields fields(table::kFieldCount);
    const auto classes = table::MovementClasses();
    for (const form::FieldLayout& f : form::RecordLayout()) {
        std::string& v = fields[static_cast<std::size_t>(f.field)];
        const int n = seed * 31 + f.field * 7;
        switch (f.kind) {
        case form::FieldKind::Marker: v = table::kMarkSet; break;
        case form::FieldKind::Text: v = f.field == 0 ? name : "W" + std::to_string(n % 5); break;
        case form::FieldKind::Integer:
            v = std::to_string(f.hasRange ? f.min + n % (f.max - f.min + 1) : n % 5000);
            break;
        case form::FieldKind::Flag: v = n % 3 == 0 ? table::kMarkSet : table::kMarkClear; break;
        case form::FieldKind::MovementClass: v = classes[static_cast<std::size_t>(n % 9)].code; break;
        case form::FieldKind::TableValue: v = "v" + std::to_string(n % 4); break;
        }
    }
    for (const auto& [field, value] : changes) fields[static_cast<std::size_t>(field)] = value;
    return JoinFields(fields);
}

// Two heading lines and a blank line: the first unit is on line 3.
inline const std::string kHeadings = "; units\r\nname,mark\r\n\r\n";

class UnitFormFixture : public MainWindowTest {
protected:
    // Writes `bytes` as weapon.dat and opens it through File › Open; `more`
    // queues the answers to dialogs the opening shows after the file dialog.
    template <class More>
    void Open(const std::string& bytes, More&& more) {
        const fw::Path path = TempPath("weapon.dat");
        QFile file(fw::FromPath(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        modal_.ChooseFile(path);
        more();
        Trigger(Window(), menu::kOpen);
        ASSERT_TRUE(Window().IsTableLoaded());
    }
    void Open(const std::string& bytes) {
        Open(bytes, [] {});
    }

    std::string Text() { return std::string(Window().Document().view()); }

    // Line n of the document text without its line end.
    std::string Line(int n) {
        const std::string text = Text();
        std::size_t start = 0;
        for (int i = 0; i < n && start != std::string::npos; ++i) {
            start = text.find('\n', start);
            if (start != std::string::npos) ++start;
        }
        if (start == std::string::npos) return "<no such line>";
        std::string line = text.substr(start, text.find('\n', start) - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }

    QLineEdit* EditBox(int id) { return qobject_cast<QLineEdit*>(Window().Control(id)); }
    fw::ChoiceListView* UnitList() { return Window().Widgets().unitList; }

    // Replaces the text of edit `id` as typing over it would.
    void Type(int id, const QString& text) {
        QLineEdit* edit = EditBox(id);
        edit->selectAll();
        edit->insert(text);
    }
    void Type(int id, const char* utf8) { Type(id, QString::fromUtf8(utf8)); }

    // Picks the item with exactly this text in drop-down list `id`.
    void Choose(int id, const std::string& item) {
        fw::ByteList& list = List(Window(), id);
        for (int i = 0; i < list.count(); ++i)
            if (list.bytesAt(i) == item) {
                list.setCurrentIndex(i);
                return;
            }
        ADD_FAILURE() << "no item " << item << " in list " << id;
    }

    void Apply() { Click(Window(), res::kIdApply); }
};

}  // namespace kelvor::test
