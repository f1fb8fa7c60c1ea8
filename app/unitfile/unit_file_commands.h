// File › "単体データの書き出し..." and "単体データの読み込み...": the shown
// unit to a single-unit file, and such a file back into its line of the
// table. The file dialogs, the messages and the list entry live here; the
// file format and its checks are in unit_file_format.h.
#pragma once

#include <functional>
#include <string>

#include "app/framework/paths.h"
#include "table/document.h"
#include "table/text_format.h"

class QWidget;

namespace kelvor::fw {
struct Platform;
}
namespace kelvor::table {
class UnitIndex;
}

namespace kelvor::unitfile {

// What the commands use of the unit form, lent for one command.
struct UnitForm {
    QWidget* owner;                    // owns the dialogs
    fw::Platform& platform;
    const table::DocumentText& table;  // the document text
    const table::UnitIndex& units;     // the units of the table
    int shownRow;                      // the unit-index row on display, -1: none
    const table::UnitRecord& record;   // the unit's fields as its line stores them, as last shown or applied
    fw::Path lastDir;  // the folder the single-unit file dialogs offer
    std::function<void(const fw::Path& folder)> storeLastDir;  // member and profile
    std::function<int(int lineNumber, const std::string& text)> replaceLine;
    std::function<int(int row)> selectUnit;
    // The unit-index row `row` was renamed by a replaced line.
    std::function<void(int row, const std::string& name)> renameRow;
};

// Writes the unit on display to a file the user
// names. Gives 1 when the file was written. Nothing happens without a unit
// on display. The file is replaced safely: never half written.
int ExportUnitFile(UnitForm& form);

// Reads a file the user names and, when it passes every check, puts its unit
// line into the table at its line number and shows that unit. A file that
// fails a check is reported with what is wrong and changes nothing. Gives 1
// when the line was replaced.
int ImportUnitFile(UnitForm& form);
// The same with the file given (opened from outside: a drop, the command line).
int ImportUnitFileAt(UnitForm& form, const fw::Path& path);

}  // namespace kelvor::unitfile
