// The edit box and the drop-down list that hold code page 932 text: what
// the program gives them comes back byte for byte for as long as the user
// has not changed it, even where the bytes do not decode.
#pragma once

#include <QComboBox>
#include <QLineEdit>

#include <string>
#include <unordered_map>
#include <vector>

namespace kelvor::fw {

class ByteEdit : public QLineEdit {
public:
    explicit ByteEdit(QWidget* parent = nullptr);

    void setBytes(const std::string& text);
    // The bytes given, while the text shown is still theirs; else the text
    // encoded (a character the code page cannot hold becomes '?').
    std::string bytes() const;
    // The characters of the text that code page 932 cannot hold; none while
    // the text is as given.
    std::vector<char32_t> unstorableCharacters() const;
    // Whether the user changed the text since it was given or marked.
    bool isEdited() const { return text() != shown_; }
    // The text as it stands counts as given (after it was applied).
    void markShown();

private:
    std::string given_;
    QString shown_;  // what was shown for given_
};

// A drop-down list (choice only, never sorted) of code page 932 items. An
// item shown wider than the field is drawn condensed, down to a floor.
class ByteList : public QComboBox {
public:
    explicit ByteList(QWidget* parent = nullptr);

    // Appends an item; the selection stays as it was.
    void addBytes(const std::string& text);
    void clearItems();
    // The exact bytes of item `index`; empty for no such item.
    std::string bytesAt(int index) const;
    // The first item equal to `text` with letter case ignored, or -1.
    int findBytes(const std::string& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::string> items_;
    // The first item of each case-folded text.
    std::unordered_map<std::string, int> firstByFolded_;
};

}  // namespace kelvor::fw
