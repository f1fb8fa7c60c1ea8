#include "table/document.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <string>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kelvor::table {

namespace {

#if defined(__linux__)
// Large texts live in huge pages where the system offers them on request:
// a 32 MiB table is then sixteen page faults at its first read, not 8192.
constexpr std::size_t kHugePage = std::size_t{2} << 20;
#endif

char* AllocateBlock(std::size_t capacity) {
#if defined(__linux__)
    if (capacity >= kHugePage) {
        const std::size_t rounded = (capacity + kHugePage - 1) / kHugePage * kHugePage;
        void* block = std::aligned_alloc(kHugePage, rounded);
        if (block) madvise(block, rounded, MADV_HUGEPAGE);
        return static_cast<char*>(block);
    }
#endif
    return static_cast<char*>(std::malloc(capacity));
}

}  // namespace

void DocumentText::Release::operator()(char* block) const { std::free(block); }

namespace {

std::unique_ptr<char[], DocumentText::Release> Allocate(std::size_t capacity) {
    return std::unique_ptr<char[], DocumentText::Release>(AllocateBlock(capacity));
}

}  // namespace

char* DocumentText::PrepareForRead(std::size_t length) {
    const std::size_t capacity = std::max(length, kMinimumCapacity);
    if (!block_ || capacity_ < capacity) {
        auto block = Allocate(capacity);
        if (!block) return nullptr;
        block_ = std::move(block);
        capacity_ = capacity;
    }
    length_ = 0;
    return block_.get();
}

void DocumentText::CommitRead(std::size_t length) { length_ = std::min(length, capacity_); }

bool DocumentText::Assign(std::string_view bytes) {
    char* place = PrepareForRead(bytes.size());
    if (!place) return false;
    if (!bytes.empty()) std::memcpy(place, bytes.data(), bytes.size());
    CommitRead(bytes.size());
    return true;
}

Cursor DocumentText::LineStart(int lineNumber) const {
    Cursor c = Begin();
    for (int i = 0; i < lineNumber && c.pos < c.end; ++i) SkipLine(c);
    return c;
}

std::string_view DocumentText::LineBytes(int lineNumber) const {
    Cursor start = LineStart(lineNumber);
    Cursor after = start;
    SkipLine(after);
    return {start.pos, static_cast<std::size_t>(after.pos - start.pos)};
}

int DocumentText::ReplaceLine(int lineNumber, std::string_view text) {
    std::string line;
    line.reserve(text.size() + 2);
    line.append(text).append("\r\n");
    return ReplaceLineBytes(lineNumber, line);
}

int DocumentText::ReplaceLineBytes(int lineNumber, std::string_view bytes, std::string* previous) {
    if (length_ == 0) return 0;  // an empty text has no lines
    // A replacement taken from the text itself is copied before the text moves.
    const std::less_equal<const char*> notAfter;
    if (!bytes.empty() && notAfter(block_.get(), bytes.data()) && !notAfter(block_.get() + capacity_, bytes.data())) {
        const std::string copy(bytes);
        return ReplaceLineBytes(lineNumber, copy, previous);
    }
    Cursor start = LineStart(lineNumber);
    if (start.pos >= start.end) return 0;  // past the last line

    Cursor after = start;
    SkipLine(after);
    if (previous) previous->assign(start.pos, after.pos);
    const std::size_t lineOffset = static_cast<std::size_t>(start.pos - block_.get());
    const std::size_t tailOffset = static_cast<std::size_t>(after.pos - block_.get());
    const std::size_t tailLength = length_ - tailOffset;
    const std::size_t newLength = lineOffset + bytes.size() + tailLength;

    if (newLength > capacity_) {
        // Grow: build the new text in a larger block, then take it.
        const std::size_t capacity = std::max(newLength, capacity_ + capacity_ / 2);
        auto block = Allocate(capacity);
        if (!block) return 0;
        char* out = block.get();
        std::memcpy(out, block_.get(), lineOffset);
        if (!bytes.empty()) std::memcpy(out + lineOffset, bytes.data(), bytes.size());
        if (tailLength) std::memcpy(out + lineOffset + bytes.size(), block_.get() + tailOffset, tailLength);
        block_ = std::move(block);
        capacity_ = capacity;
    } else {
        char* base = block_.get();
        // Move the tail once to where it belongs, then write the new line.
        if (tailLength) std::memmove(base + lineOffset + bytes.size(), base + tailOffset, tailLength);
        if (!bytes.empty()) std::memmove(base + lineOffset, bytes.data(), bytes.size());
    }
    length_ = newLength;
    return 1;
}

}  // namespace kelvor::table
