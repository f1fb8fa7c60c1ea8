// What the user is told when a single-unit file cannot be imported: one
// sentence per problem, filled in with the check's details, in Japanese for
// the window and in English for kelvor-cli. UTF-8 text.
#pragma once

#include <string>

#include "table/text_language.h"
#include "unitfile/unit_file_format.h"

namespace kelvor::unitfile {

using MessageLanguage = table::TextLanguage;

// What is wrong, filled in with the check's details; empty for a check that
// passed.
std::string ImportProblemReason(const ImportCheck& check, MessageLanguage language);

// The whole message for a failed check, as the editor says it: that the
// file cannot be imported, then what is wrong. Empty for a check that passed.
std::string ImportProblemText(const ImportCheck& check, MessageLanguage language = MessageLanguage::Japanese);

// The same for a unit whose own single-unit file would fail the check (a
// short line shown with its missing fields empty): it is not exported.
std::string ExportProblemText(const ImportCheck& check, MessageLanguage language = MessageLanguage::Japanese);

}  // namespace kelvor::unitfile
