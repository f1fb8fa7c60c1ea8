// The document text: the bytes of the opened unit table, exactly as read,
// changed only one line at a time.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "table/text_format.h"

namespace kelvor::table {

class DocumentText {
public:
    // The smallest block the text is kept in.
    static constexpr std::size_t kMinimumCapacity = 1048576;

    DocumentText() = default;
    DocumentText(DocumentText&&) noexcept = default;
    DocumentText& operator=(DocumentText&&) noexcept = default;

    // Sizes the block for a file of `length` bytes (at least the minimum
    // capacity) and gives where to read them, or nullptr when the memory
    // cannot be had (the text is then unchanged). The text is empty until
    // CommitRead.
    char* PrepareForRead(std::size_t length);
    // The read put `length` bytes at the place PrepareForRead gave.
    void CommitRead(std::size_t length);
    // PrepareForRead and CommitRead in one, from memory; false when out of memory.
    bool Assign(std::string_view bytes);

    const char* data() const { return block_.get(); }
    std::size_t size() const { return length_; }
    std::size_t capacity() const { return capacity_; }
    std::string_view view() const { return {block_.get(), length_}; }

    Cursor Begin() const { return {block_.get(), block_.get() + length_}; }
    // The first byte of line `lineNumber` (0 or less: the first line), or the
    // end of the text when there are fewer lines.
    Cursor LineStart(int lineNumber) const;

    // Puts `text` and CR LF in place of line `lineNumber` and its own line
    // end (CR LF or a bare LF; a last line may have none). Every other byte
    // stays as it was. Gives 0 and changes nothing when the text has no such
    // line (a line number below 0 means line 0) or the memory for a longer
    // text cannot be had.
    int ReplaceLine(int lineNumber, std::string_view text);
    // Puts `bytes` exactly in place of line `lineNumber` and its line end
    // (undo puts a line back this way, with the line end it had); `previous`
    // (when given) receives the bytes replaced.
    int ReplaceLineBytes(int lineNumber, std::string_view bytes, std::string* previous = nullptr);
    // Line `lineNumber` with its line end, as it stands; empty past the end.
    std::string_view LineBytes(int lineNumber) const;

    // Gives a block back to the system.
    struct Release {
        void operator()(char* block) const;
    };

private:
    std::unique_ptr<char[], Release> block_;
    std::size_t capacity_ = 0;
    std::size_t length_ = 0;
};

}  // namespace kelvor::table
