// What the commands share: naming files, units and fields in their reports,
// and the failure that ends a command with exit code 2.
#pragma once

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "table/safe_save.h"

namespace kelvor::cli {

// JSON objects keep their keys in the order they are written.
using Json = nlohmann::ordered_json;

// Writes "kelvor-cli: FILE: reason" to err; gives kExitUnusable.
int Unusable(Output& output, const table::Path& file, const std::string& reason);

// A failed safe save reported as Unusable, naming the file it concerns.
int SaveFailed(Output& output, const table::SaveError& failure);

// Whether two paths name one file (false when either names none).
bool SameFile(const table::Path& a, const table::Path& b);

// Table text (code page 932) in double quotes, for the terminal.
std::string Quoted(std::string_view cp932);
std::string Utf8(std::string_view cp932);

// "8 Durability [耐久]", or "0 Unit name" for a field without a caption.
std::string FieldLabel(int field);
// "line 17, unit 15 "軽戦車"" for a unit line; "line 2" for any other.
std::string LineLabel(int line, bool unit, std::string_view name);

// Fills a JSON object with the field's number, name and caption.
void AddFieldJson(Json& object, int field);

// Writes the document indented, as UTF-8 (anything else replaced).
void WriteJson(std::ostream& out, const Json& document);

// Writes a JSON object whose last member is a long list, one item to a
// line, as the items come: nothing of the whole is held in memory at once.
class JsonListWriter {
public:
    // Writes the members of head, then opens the list `listKey`.
    JsonListWriter(std::ostream& out, const Json& head, const char* listKey);
    void Add(const Json& item);
    // Closes the list and the object.
    void Finish();

private:
    std::ostream& out_;
    bool first_ = true;
};

}  // namespace kelvor::cli
