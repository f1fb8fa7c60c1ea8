// import: single-unit files put into their lines of a table, all of them or
// none, and the table saved as the editor's Save As saves it.
#include <map>
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/import_problems.h"
#include "cli/messages.h"
#include "cli/table_input.h"
#include "cli/table_lines.h"
#include "cli/table_save.h"
#include "table/safe_save.h"
#include "unitfile/unit_file_format.h"

namespace kelvor::cli {

namespace {

struct Imported {
    std::size_t file;  // index into the files given
    int line;
    std::string name;  // code page 932
};

struct Refused {
    std::size_t file;
    std::string reason;
};

struct Batch {
    std::vector<Imported> imported;
    std::vector<Refused> refused;
};

// Puts the files into the text one after another, each checked as the
// editor's import checks it against the table as the files before it left
// it. A replacement puts a unit line in place of a unit line and keeps every
// line where it was, so each file meets the same lines, unit lines and line
// numbers as in the table read: the order of the files changes nothing.
// Two files for one line would leave the result to that order, so the
// second is refused.
Batch PutFiles(table::DocumentText& text, const std::vector<table::Path>& files) {
    Batch batch;
    std::map<int, std::size_t> lineTakenBy;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string firstLine, error;
        if (!table::ReadFirstLine(files[i], firstLine, &error)) {
            batch.refused.push_back({i, Say("cannot be read: {1}", {Say(error)})});
            continue;
        }
        const unitfile::ImportCheck check = unitfile::CheckUnitFile(unitfile::UnitFileLine(firstLine), text);
        if (!check.ok()) {
            batch.refused.push_back({i, Say("cannot be imported: {1}", {ImportProblemReason(check)})});
            continue;
        }
        if (const auto taken = lineTakenBy.find(check.lineNumber); taken != lineTakenBy.end()) {
            const std::string reason = Say("it names line {1}, as {2} does; a batch takes one file for each line",
                                           {std::to_string(check.lineNumber), PathText(files[taken->second])});
            batch.refused.push_back({i, Say("cannot be imported: {1}", {reason})});
            continue;
        }
        if (!text.ReplaceLine(check.lineNumber, check.unitLine)) {
            batch.refused.push_back({i, Say("cannot be imported: {1}", {Say("there is no memory for the longer table")})});
            continue;
        }
        lineTakenBy.emplace(check.lineNumber, i);
        batch.imported.push_back({i, check.lineNumber, std::string(check.unitLine.substr(0, check.unitLine.find(',')))});
    }
    return batch;
}

}  // namespace

int RunImport(const table::Path& path, const std::vector<table::Path>& files, const std::optional<table::Path>& out,
              Output& output) {
    // The table written is locked before the table is read, so that a
    // second import waits and then starts from what this one saved.
    const table::Path target = out ? *out : path;
    table::FileLock lock;
    if (const int locked = LockTable(target, lock, output); locked != kExitClean) return locked;
    table::DocumentText text;
    std::string reason;
    if (!LoadTable(path, text, reason)) return Unusable(output, path, reason);
    const table::FileIdentity read = table::IdentityOf(path, text.view());

    const Batch batch = PutFiles(text, files);
    if (!batch.refused.empty()) {
        for (const Refused& r : batch.refused) Unusable(output, files[r.file], r.reason);
        return Unusable(output, path,
                        Say("nothing imported, nothing written: {1} of {2} cannot be used",
                            {std::to_string(batch.refused.size()),
                             Count(static_cast<long long>(files.size()), "{1} file", "{1} files")}));
    }

    // Saved as the editor's Save As saves: the file replaced is set aside as
    // "weapon.org" in the folder saved into, once.
    const bool rewritesItself = !out || SameFile(*out, path);
    Saved saved;
    if (const int code =
            SaveLockedTable(target, text.view(), rewritesItself ? &read : nullptr, output, Backup::Once, saved);
        code != kExitClean)
        return code;

    if (output.json) {
        Json imported = Json::array();
        for (const Imported& u : batch.imported)
            imported.push_back({{"file", PathText(files[u.file])},
                                {"line", u.line},
                                {"unit", UnitNumberOfLine(u.line)},
                                {"name", Utf8(u.name)}});
        WriteJson(output.out, {{"table", PathText(path)},
                               {"saved", PathText(target)},
                               {"backup", saved.backup ? Json(PathText(*saved.backup)) : Json(nullptr)},
                               {"imported", std::move(imported)}});
        return kExitClean;
    }
    for (const Imported& u : batch.imported)
        output.out << Say("imported {1}: {2}", {PathText(files[u.file]), LineLabel(u.line, true, u.name)}) << "\n";
    output.out << saved.Text() << "\n";
    return kExitClean;
}

}  // namespace kelvor::cli
