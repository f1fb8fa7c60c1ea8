// The language the program speaks: its own texts (written in Japanese, the
// source language, and translated into English), Qt's own texts (file
// dialogs, message box buttons, an edit's context menu) and the default
// locale follow one choice, made at start and changeable while it runs.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "table/text_language.h"

class QWidget;

namespace kelvor::fw {

using Language = table::TextLanguage;

// What the system asks for: English where the locale for messages is an
// English one (LANG=en_US.UTF-8), Japanese for every other.
Language SystemLanguage();

// The language's code as the profile keeps it ("ja", "en"), and back;
// nullopt for anything else.
const char* LanguageCode(Language language);
std::optional<Language> LanguageOfCode(std::string_view code);

// Makes `language` the running application's: the program's translation
// and Qt's own are installed (every widget then gets QEvent::LanguageChange)
// and QLocale's default follows. False when a translation it needs could
// not be loaded (those texts then stay in their source language).
bool UseLanguage(Language language);

// The language last made the application's (Japanese before any).
Language LanguageInUse();

// Calls `name` each time `widget` is told that the language changed (a
// posted QEvent::LanguageChange, delivered by the event loop), for as long
// as the widget lives.
void WhenLanguageChanges(QWidget* widget, std::function<void()> name);

// The program's text `source` of translation context `context` in the
// language in use, as code page 932 for the modal services.
std::string TranslatedCp932(const char* context, const char* source);

}  // namespace kelvor::fw
