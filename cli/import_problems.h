// Why a single-unit file cannot go into a table, in the tool's words.
#pragma once

#include <string>

#include "cli/messages.h"
#include "unitfile/import_messages.h"
#include "unitfile/unit_file_format.h"

namespace kelvor::cli {

// What is wrong, filled in with the check's details, in the language in
// use; empty for a check that passed. Follows "cannot be imported: ".
inline std::string ImportProblemReason(const unitfile::ImportCheck& check) {
    return unitfile::ImportProblemReason(check, LanguageInUse() == Language::Japanese
                                                    ? unitfile::MessageLanguage::Japanese
                                                    : unitfile::MessageLanguage::English);
}

}  // namespace kelvor::cli
