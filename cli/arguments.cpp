#include "cli/arguments.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <filesystem>
#endif

namespace kelvor::cli {

#ifdef _WIN32
namespace {

// The console's own code page, given back when the program ends: the
// console outlives it.
UINT consoleCodePage = 0;
void RestoreConsole() { SetConsoleOutputCP(consoleCodePage); }

}  // namespace
#endif

Arguments::Arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) {
            const std::u8string utf8 = std::filesystem::path(wide[i]).u8string();
            texts_.emplace_back(utf8.begin(), utf8.end());
        }
        LocalFree(wide);
    }
    consoleCodePage = GetConsoleOutputCP();  // 0: no console
    if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) std::atexit(RestoreConsole);
#endif
    if (texts_.empty()) texts_.assign(argv, argv + argc);
    for (std::string& text : texts_) pointers_.push_back(text.data());
}

}  // namespace kelvor::cli
