// The document text: taking in a file's bytes, finding lines, and replacing
// one line with every other byte kept.
#include "table/document.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace kelvor::table {
namespace {

DocumentText Text(const std::string& bytes) {
    DocumentText t;
    EXPECT_TRUE(t.Assign(bytes));
    return t;
}

std::string Replaced(const std::string& bytes, int line, const std::string& with) {
    DocumentText t = Text(bytes);
    EXPECT_EQ(t.ReplaceLine(line, with), 1) << line;
    return std::string(t.view());
}

std::size_t Lines(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        const std::size_t lf = s.find('\n', i);
        i = lf == std::string_view::npos ? s.size() : lf + 1;
    }
    return n;
}

TEST(DocumentText, KeepsTheBytesAsReadInAtLeastTheMinimumBlock) {
    const std::string bytes("a\0b\r\nc\n\xff", 8);
    DocumentText t = Text(bytes);
    EXPECT_EQ(t.view(), bytes);
    EXPECT_EQ(t.capacity(), DocumentText::kMinimumCapacity);

    DocumentText big;
    char* place = big.PrepareForRead(3 * DocumentText::kMinimumCapacity);
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(big.size(), 0u);
    std::memset(place, 'x', 3 * DocumentText::kMinimumCapacity);
    big.CommitRead(3 * DocumentText::kMinimumCapacity);
    EXPECT_EQ(big.size(), 3 * DocumentText::kMinimumCapacity);
    EXPECT_GE(big.capacity(), big.size());
    // A later, smaller read reuses the block; its length never passes the block.
    ASSERT_NE(big.PrepareForRead(4), nullptr);
    big.CommitRead(big.capacity() + 10);
    EXPECT_EQ(big.size(), big.capacity());

    DocumentText empty = Text("");
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_EQ(empty.Begin().pos, empty.Begin().end);
}

TEST(DocumentText, LineStartCountsEveryLine) {
    const std::string bytes = "h\r\n\r\nunit\nlast";
    DocumentText t = Text(bytes);
    EXPECT_EQ(t.LineStart(-5).pos, t.data());
    EXPECT_EQ(t.LineStart(0).pos, t.data());
    EXPECT_EQ(t.LineStart(1).pos, t.data() + 3);
    EXPECT_EQ(t.LineStart(2).pos, t.data() + 5);
    EXPECT_EQ(t.LineStart(3).pos, t.data() + 10);
    EXPECT_EQ(t.LineStart(4).pos, t.data() + t.size());
    EXPECT_EQ(t.LineStart(1000000).pos, t.data() + t.size());
    EXPECT_EQ(t.LineStart(1).end, t.data() + t.size());
}

TEST(ReplaceLine, PutsTheLineWithCrLfAndKeepsEveryOtherByte) {
    const std::string bytes = "head,x\r\nold line\r\nbare\nlast";
    EXPECT_EQ(Replaced(bytes, 0, "new"), "new\r\nold line\r\nbare\nlast");
    EXPECT_EQ(Replaced(bytes, -1, "new"), "new\r\nold line\r\nbare\nlast") << "below 0 means line 0";
    EXPECT_EQ(Replaced(bytes, 1, "a much longer line than before"),
              "head,x\r\na much longer line than before\r\nbare\nlast");
    EXPECT_EQ(Replaced(bytes, 1, ""), "head,x\r\n\r\nbare\nlast");
    EXPECT_EQ(Replaced(bytes, 2, "b"), "head,x\r\nold line\r\nb\r\nlast") << "a bare LF becomes CR LF";
    EXPECT_EQ(Replaced(bytes, 3, "end"), "head,x\r\nold line\r\nbare\nend\r\n") << "a last line gets its CR LF";
    EXPECT_EQ(Replaced("only\r\n", 0, "one"), "one\r\n");
    EXPECT_EQ(Replaced("\n", 0, "x"), "x\r\n");

    // Replacing one line at a time never changes how many lines there are.
    DocumentText t = Text(bytes);
    for (int round = 0; round < 3; ++round)
        for (int line = 0; line < 4; ++line) {
            ASSERT_EQ(t.ReplaceLine(line, std::string(static_cast<std::size_t>(line * 7 + round), 'y')), 1);
            EXPECT_EQ(Lines(t.view()), 4u);
        }
}

TEST(ReplaceLine, RefusesALineThatIsNotThere) {
    for (const auto& [bytes, line] : {std::pair<std::string, int>{"a\r\nb\r\n", 2}, {"a\r\nb", 2}, {"a", 1},
                                      {"a\r\nb\r\n", 1000}, {"", 0}, {"", -1}}) {
        DocumentText t = Text(bytes);
        EXPECT_EQ(t.ReplaceLine(line, "new"), 0) << bytes << " / " << line;
        EXPECT_EQ(t.view(), bytes);
    }
}

TEST(ReplaceLine, GrowsPastTheBlockWithEveryOtherByteUnchanged) {
    // A text that fills the block almost to the end, with a line in its middle.
    std::string bytes;
    int line = 0, target = -1;
    std::size_t targetStart = 0;
    for (;; ++line) {
        const std::string row = "row " + std::to_string(line) + std::string(600, static_cast<char>('a' + line % 26)) + "\r\n";
        if (bytes.size() + row.size() > DocumentText::kMinimumCapacity) break;
        if (line == 800) {
            target = line;
            targetStart = bytes.size();
        }
        bytes += row;
    }
    const std::size_t targetEnd = bytes.find('\n', targetStart) + 1;
    DocumentText t = Text(bytes);
    ASSERT_EQ(t.capacity(), DocumentText::kMinimumCapacity);
    const std::string with(5000, '\x95');
    ASSERT_EQ(t.ReplaceLine(target, with), 1);
    EXPECT_GT(t.capacity(), DocumentText::kMinimumCapacity);
    const std::string expected = bytes.substr(0, targetStart) + with + "\r\n" + bytes.substr(targetEnd);
    ASSERT_EQ(t.size(), expected.size());
    EXPECT_TRUE(t.view() == expected);
    // And back down without another block.
    const std::size_t grown = t.capacity();
    ASSERT_EQ(t.ReplaceLine(target, "short"), 1);
    EXPECT_EQ(t.capacity(), grown);
    EXPECT_TRUE(t.view() == bytes.substr(0, targetStart) + "short\r\n" + bytes.substr(targetEnd));
}

TEST(ReplaceLine, ATextOfManyMegabytesKeepsEveryByteAsItGrows) {
    const std::string row = std::string(1000, 'x') + "\r\n";
    std::string bytes;
    while (bytes.size() < (std::size_t{3} << 20)) bytes += row;
    DocumentText t = Text(bytes);
    ASSERT_EQ(t.ReplaceLine(2, std::string(std::size_t{2} << 20, 'y')), 1);
    EXPECT_TRUE(t.view() == row + row + std::string(std::size_t{2} << 20, 'y') + "\r\n" + bytes.substr(3 * row.size()));
}

TEST(ReplaceLine, TakesTheNewTextFromTheDocumentItself) {
    // The new text may point into the very block that moves.
    DocumentText t = Text("first\r\nsecond\r\nthird\r\n");
    ASSERT_EQ(t.ReplaceLine(0, std::string_view(t.data() + 7, 6)), 1);
    EXPECT_EQ(t.view(), "second\r\nsecond\r\nthird\r\n");
    ASSERT_EQ(t.ReplaceLine(1, std::string_view(t.data() + 16, 5)), 1);
    EXPECT_EQ(t.view(), "second\r\nthird\r\nthird\r\n");
}

}  // namespace
}  // namespace kelvor::table
