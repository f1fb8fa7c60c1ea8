// merge: the changes two tables made to the table they both started from,
// put together and saved through the safe save; as a version control
// system's merge driver, into the file it names.
#include <array>

#include "cli/command_support.h"
#include "cli/table_input.h"
#include "cli/table_lines.h"
#include "cli/table_merge.h"
#include "cli/table_save.h"
#include "table/file_identity.h"
#include "table/file_lock.h"

namespace kelvor::cli {

namespace {

using Kind = MergeConflict::Kind;

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Field: return "field";
    case Kind::Line: return "line";
    case Kind::RemovedChanged: return "removed-changed";
    case Kind::Added: return "added";
    }
    return "line";
}

// The lines of an Added conflict's side, one by one.
std::vector<std::string_view> LinesOf(std::string_view block) {
    std::vector<std::string_view> lines;
    ForEachLine(block, [&](const TableLine& line) { lines.push_back(line.text); });
    return lines;
}

Json SideJson(const MergeConflict& c, const std::optional<std::string_view>& side) {
    if (!side) return nullptr;
    if (c.kind != Kind::Added) return Utf8(*side);
    Json lines = Json::array();
    for (std::string_view line : LinesOf(*side)) lines.push_back(Utf8(line));
    return lines;
}

Json ConflictJson(const MergeConflict& c) {
    Json entry{{"kind", KindName(c.kind)}, {"line", c.line}};
    entry["baseLine"] = c.baseLine >= 0 ? Json(c.baseLine) : Json(nullptr);
    if (!c.name.empty()) {
        entry["unit"] = UnitNumberOfLine(c.line);
        entry["name"] = Utf8(c.name);
    }
    if (c.field >= 0) AddFieldJson(entry, c.field);
    entry["base"] = SideJson(c, c.base);
    entry["ours"] = SideJson(c, c.ours);
    entry["theirs"] = SideJson(c, c.theirs);
    return entry;
}

std::string SideText(const std::optional<std::string_view>& side, const char* none) {
    return side ? Quoted(*side) : none;
}

void AppendConflictText(const MergeConflict& c, std::string& report) {
    report += "conflict: " + LineLabel(c.line, !c.name.empty(), c.name);
    if (c.baseLine >= 0 && c.baseLine != c.line) report += " (line " + std::to_string(c.baseLine) + " of the base)";
    switch (c.kind) {
    case Kind::Field:
        report += ", field " + FieldLabel(c.field) + ": base " + SideText(c.base, "(none)") + ", ours " +
                  SideText(c.ours, "(none)") + ", theirs " + SideText(c.theirs, "(none)") + "\n";
        return;
    case Kind::Line: report += ": both changed the line\n"; break;
    case Kind::RemovedChanged:
        report += c.ours ? ": changed in ours, removed in theirs\n" : ": removed in ours, changed in theirs\n";
        break;
    case Kind::Added:
        report += ": both added other lines here\n";
        for (std::string_view line : LinesOf(*c.ours)) report += "  ours:   + " + Utf8(line) + "\n";
        for (std::string_view line : LinesOf(*c.theirs)) report += "  theirs: + " + Utf8(line) + "\n";
        return;
    }
    report += "  base:   " + SideText(c.base, "(none)") + "\n";
    report += "  ours:   " + SideText(c.ours, "(removed)") + "\n";
    report += "  theirs: " + SideText(c.theirs, "(removed)") + "\n";
}

}  // namespace

int RunMerge(const MergeFiles& files, Output& output) {
    // The file written is locked before anything is read, so that another
    // program rewriting it waits, or this merge waits for it.
    const table::Path target = files.out ? *files.out : files.ours;
    table::FileLock lock;
    if (const int locked = LockTable(target, lock, output); locked != kExitClean) return locked;

    const std::array<const table::Path*, 3> paths{&files.base, &files.ours, &files.theirs};
    std::array<table::MappedFile, 3> texts;
    std::string reason;
    for (std::size_t i = 0; i < paths.size(); ++i)
        if (!LoadTable(*paths[i], texts[i], reason)) return Unusable(output, *paths[i], reason);
    // Written over one of the tables read: a change made to it meanwhile by
    // a program that took no lock is not overwritten.
    std::optional<table::FileIdentity> read;
    for (std::size_t i = 0; i < paths.size() && !read; ++i)
        if (SameFile(target, *paths[i])) read = table::IdentityOf(target, texts[i].view());

    const MergeResult merged = MergeTables(texts[0].view(), texts[1].view(), texts[2].view());
    // The conflicts are put in words before the save: after it, nothing of
    // the tables read is looked at again.
    std::vector<Json> entries;
    std::string report;
    for (const MergeConflict& c : merged.conflicts) {
        if (output.json)
            entries.push_back(ConflictJson(c));
        else
            AppendConflictText(c, report);
    }
    Saved saved;
    if (const int code = SaveLockedTable(target, merged.pieces, read ? &*read : nullptr, output,
                                         files.git ? Backup::None : Backup::Once, saved);
        code != kExitClean)
        return code;

    const int conflicts = static_cast<int>(merged.conflicts.size());
    if (output.json) {
        JsonListWriter writer(output.out,
                              {{"base", PathText(files.base)},
                               {"ours", PathText(files.ours)},
                               {"theirs", PathText(files.theirs)},
                               {"saved", PathText(target)},
                               {"backup", saved.backup ? Json(PathText(*saved.backup)) : Json(nullptr)},
                               {"fromOurs", merged.fromOurs},
                               {"fromTheirs", merged.fromTheirs}},
                              "conflicts");
        for (const Json& entry : entries) writer.Add(entry);
        writer.Finish();
    } else {
        // As a merge driver the file saved is a temporary copy, whose name says nothing.
        report += (files.git ? std::string("merged") : saved.Text()) + ": " + std::to_string(merged.fromOurs) +
                  (merged.fromOurs == 1 ? " line" : " lines") + " changed in ours, " + std::to_string(merged.fromTheirs) +
                  " in theirs, ";
        report += conflicts ? std::to_string(conflicts) + (conflicts == 1 ? " conflict" : " conflicts") +
                                  " (each holds ours' side)\n"
                            : "no conflict\n";
        output.out << report;
    }
    return conflicts ? kExitFindings : kExitClean;
}

}  // namespace kelvor::cli
