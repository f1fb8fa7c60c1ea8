#include "cli/arguments.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#endif

namespace kelvor::cli {

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
    SetConsoleOutputCP(CP_UTF8);
#endif
    if (texts_.empty()) texts_.assign(argv, argv + argc);
    for (std::string& text : texts_) pointers_.push_back(text.data());
}

}  // namespace kelvor::cli
