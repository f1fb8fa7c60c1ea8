// Holds a file open for reading, as another program (the game, a text
// editor) would, until a second file appears, for at most 30 seconds:
//   kelvor_hold_open FILE RELEASE
// Writes "held" to standard output once the file is open.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    std::FILE* held = std::fopen(argv[1], "rb");
    if (!held) return 1;
    std::puts("held");
    std::fflush(stdout);
    for (int i = 0; i < 3000 && !std::filesystem::exists(argv[2]); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::fclose(held);
    return 0;
}
