// kelvor-cli: the unit table from the command line, on the editor's own core.
#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/table_input.h"
#include "table/mapped_file.h"
#include "kelvor_version.h"

namespace {

using kelvor::table::Path;

constexpr const char* kDescription =
    "kelvor-cli: the unit table of Halvane (weapon.dat) from the command line.\n"
    "Line numbers count every line from 0, as the editor counts them; a unit's\n"
    "number is its line number minus 2, as the editor's unit-number box shows it.\n"
    "Exit codes: 0 clean or equal, 1 findings or differences, 2 input not usable.";

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{kDescription, "kelvor-cli"};
    app.set_version_flag("--version", "kelvor-cli " KELVOR_VERSION_STRING);
    app.require_subcommand(1);

    std::string table, other, theirs, pictures, out;
    int unit = 0;
    bool json = false, all = false, git = false;
    std::vector<std::string> files;

    CLI::App* list = app.add_subcommand("list", "One line per unit: unit number, line number, name.");
    list->add_option("TABLE", table, "the unit table")->required();

    CLI::App* show = app.add_subcommand("show", "Every field of one unit: number, name, caption and the value the form shows.");
    show->add_option("TABLE", table, "the unit table")->required();
    show->add_option("UNIT", unit, "the unit number (line number minus 2)")->required();

    CLI::App* check = app.add_subcommand(
        "check", "What in the table the editor would refuse, rewrite or cannot show. Exit code 1 when there is any.");
    check->add_option("TABLE", table, "the unit table")->required();
    check->add_option("--pictures", pictures, "the folder of unit pictures (default: unit/ beside the table)");
    check->add_flag("--all", all, "every finding (default: the first 20 of each kind and a count of the rest)");

    CLI::App* diff = app.add_subcommand(
        "diff",
        "What changed, lines aligned as diff aligns text: lines only in one table, the lines after them renumbered, "
        "and the fields that differ in each unit line paired with one of the other table.");
    diff->add_option("OLD", table, "the table before, such as weapon.org")->required();
    diff->add_option("NEW", other, "the table after, such as weapon.dat")->required();

    CLI::App* merge = app.add_subcommand(
        "merge",
        "Three-way merge: the changes OURS and THEIRS made to BASE, by line (a unit's number is its line) and within "
        "a unit line by field. Saved as the editor saves (the replaced table set aside once as weapon.org). Exit "
        "code 1: conflicts, each listed and holding ours' side in the result; 2: an input cannot be used, nothing "
        "written.");
    merge->add_option("BASE", table, "the table both started from")->required();
    merge->add_option("OURS", other, "our table; the result goes here unless -o says otherwise")->required();
    merge->add_option("THEIRS", theirs, "their table")->required();
    merge->add_option("-o,--output", out, "save the result here (default: OURS)");
    merge->add_flag("--git", git,
                    "as git's merge driver (merge --git %O %A %B): the result replaces OURS, and no weapon.org is "
                    "set aside beside git's copy")
        ->excludes("--output");

    CLI::App* text = app.add_subcommand(
        "text", "The whole table as UTF-8 text, one field to a line: line number, unit number, field name and value "
                "(for git's textconv).");
    text->add_option("TABLE", table, "the unit table")->required();

    CLI::App* exportUnit = app.add_subcommand(
        "export", "One unit to a single-unit file, byte for byte as the editor's File menu writes it.");
    exportUnit->add_option("TABLE", table, "the unit table")->required();
    exportUnit->add_option("UNIT", unit, "the unit number (line number minus 2)")->required();
    exportUnit->add_option("-o,--output", out, "the file to write (default: unit%04d.kmv of the unit number, here)");

    CLI::App* importUnits = app.add_subcommand(
        "import",
        "Single-unit files into their lines of the table, all or none: when any file fails its checks, each failure "
        "is reported and nothing is written. The table is saved as the editor saves it: the file it replaces is set "
        "aside once as weapon.org in its folder.");
    importUnits->add_option("TABLE", table, "the unit table")->required();
    importUnits->add_option("FILES", files, "the single-unit files (.kmv)")->required();
    importUnits->add_option("-o,--output", out, "save the result here, leaving TABLE as it is (default: TABLE itself)");

    for (CLI::App* command : {list, show, check, diff, exportUnit, importUnits, merge})
        command->add_flag("--json", json, "write the report as JSON");

    kelvor::cli::Arguments arguments(argc, argv);
    try {
        app.parse(arguments.count(), arguments.values());
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);  // help and version print and give 0
        return code == 0 ? 0 : kelvor::cli::kExitUnusable;
    }

    // Reports for scripts (--json) stay English whatever the language.
    kelvor::cli::UseLanguage(json ? kelvor::cli::Language::English : kelvor::cli::LanguageOfEnvironment());
    // The tables are mapped, not copied: one that another program shortens
    // meanwhile ends the command with a message, not a bus error.
    kelvor::table::ReportShortenedMappedFiles(
        "kelvor-cli: ",
        ": " + kelvor::cli::Say("was shortened by another program while it was read; the command stopped and saved nothing") + "\n",
        kelvor::cli::kExitUnusable);
    using kelvor::cli::PathOfArgument;
    kelvor::cli::Output output{std::cout, std::cerr, json};
    int code = kelvor::cli::kExitUnusable;
    const Path tablePath = PathOfArgument(table);
    if (list->parsed()) code = kelvor::cli::RunList(tablePath, output);
    if (show->parsed()) code = kelvor::cli::RunShow(tablePath, unit, output);
    if (check->parsed())
        code = kelvor::cli::RunCheck(tablePath, pictures.empty() ? std::nullopt : std::optional<Path>(PathOfArgument(pictures)),
                                     all, output);
    if (diff->parsed()) code = kelvor::cli::RunDiff(tablePath, PathOfArgument(other), output);
    const std::optional<Path> outPath = out.empty() ? std::nullopt : std::optional<Path>(PathOfArgument(out));
    if (exportUnit->parsed()) code = kelvor::cli::RunExport(tablePath, unit, outPath, output);
    if (importUnits->parsed()) {
        std::vector<Path> filePaths;
        for (const std::string& file : files) filePaths.push_back(PathOfArgument(file));
        code = kelvor::cli::RunImport(tablePath, filePaths, outPath, output);
    }
    if (merge->parsed())
        code = kelvor::cli::RunMerge({tablePath, PathOfArgument(other), PathOfArgument(theirs), outPath, git}, output);
    if (text->parsed()) code = kelvor::cli::RunText(tablePath, output);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "kelvor-cli: " << kelvor::cli::Say("the report could not be written") << "\n";
        return kelvor::cli::kExitUnusable;
    }
    return code;
}
