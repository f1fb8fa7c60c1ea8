// Table text (code page 932) turned into UTF-8 for reports, fast enough
// for a whole table: each character is decoded once by the codec and
// remembered, and ASCII, most of a table, is copied as it is.
#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>
#include <vector>

namespace kelvor::cli {

// The most bytes the UTF-8 form of `bytes` table bytes takes: a byte that
// is no character becomes U+FFFD, three bytes.
constexpr std::size_t Utf8Room(std::size_t bytes) { return 3 * bytes; }

// Writes the UTF-8 form of cp932 at out, which has Utf8Room(cp932.size())
// bytes free, and gives the end of what it wrote. The same text as the
// codec's Utf8FromCp932.
char* WriteUtf8(std::string_view cp932, char* out);

// A report of any length written to a stream in large blocks, so that a
// report of a whole table is never held in memory whole.
class ReportWriter {
public:
    explicit ReportWriter(std::ostream& out);
    ~ReportWriter() { Flush(); }
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    // A place with at least `bytes` bytes free; Advance(end) keeps what was
    // written there up to end.
    char* Room(std::size_t bytes);
    void Advance(char* end) { used_ = static_cast<std::size_t>(end - block_.data()); }

    void Text(std::string_view utf8);
    void Table(std::string_view cp932);
    // Hands what is written to the stream.
    void Flush();

private:
    std::ostream& out_;
    std::vector<char> block_;
    std::size_t used_ = 0;
};

}  // namespace kelvor::cli
