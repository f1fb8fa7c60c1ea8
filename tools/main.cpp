// kelvor_demo_data: writes the demo game folder, large tables and odd tables.
//
//   kelvor_demo_data game <folder>
//   kelvor_demo_data table <file> <bytes>
//   kelvor_demo_data odd <folder>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "tools/demo_game.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"
#include "tools/odd_tables.h"

namespace {

int Usage() {
    std::fputs("usage: kelvor_demo_data game <folder>\n"
               "       kelvor_demo_data table <file> <bytes>\n"
               "       kelvor_demo_data odd <folder>\n",
               stderr);
    return 2;
}

int Fail(const char* what, const char* where) {
    std::fprintf(stderr, "kelvor_demo_data: cannot write %s in %s\n", what, where);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kelvor::demo;
    if (argc < 2) return Usage();
    const std::string_view command = argv[1];
    if (command == "game" && argc == 3) {
        return WriteDemoGame(argv[2]) ? 0 : Fail("the demo game", argv[2]);
    }
    if (command == "table" && argc == 4) {
        const std::string_view text = argv[3];
        std::size_t bytes = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), bytes);
        if (ec != std::errc() || end != text.data() + text.size()) return Usage();
        return WriteFileBytes(argv[2], DemoLargeTable(bytes)) ? 0 : Fail("the table", argv[2]);
    }
    if (command == "odd" && argc == 3) {
        return WriteOddTables(argv[2]) ? 0 : Fail("the odd tables", argv[2]);
    }
    return Usage();
}
