// The command line as the commands read it: UTF-8 text on every system.
#pragma once

#include <string>
#include <vector>

namespace kelvor::cli {

// The arguments, the program's name first. On Linux they are main's own;
// on Windows they are read as the UTF-16 the system keeps them in (main's
// are in the ANSI code page, which lacks most characters of file names) and
// made UTF-8. The console, if any, is then set to show UTF-8 output.
class Arguments {
public:
    Arguments(int argc, char** argv);
    int count() const { return static_cast<int>(pointers_.size()); }
    char** values() { return pointers_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;
};

}  // namespace kelvor::cli
