// The edit box and the drop-down list that hold code page 932 text: what
// the program gives them comes back byte for byte for as long as the user
// has not changed it, even where the bytes do not decode.
#pragma once

#include <QComboBox>
#include <QLineEdit>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace kelvor::fw {

class ByteEdit : public QLineEdit {
public:
    explicit ByteEdit(QWidget* parent = nullptr);

    void setBytes(const std::string& text);
    // The bytes given, while the text shown is still theirs. Once the user
    // changed it, the characters before and after the changed part keep the
    // bytes they were given as (a duplicate code stays itself) and only the
    // part typed is encoded (a character the code page cannot hold becomes '?').
    std::string bytes() const;
    // The characters typed that code page 932 cannot hold; none while the
    // text is as given.
    std::vector<char32_t> unstorableCharacters() const;
    // Whether the user changed the text since it was given or marked.
    bool isEdited() const { return text() != shown_; }
    // The text as it stands counts as given (after it was applied).
    void markShown();

private:
    // The text as it stands: the bytes kept before and after the part the
    // user changed, and that part.
    struct Edited {
        std::string before;
        QString typed;
        std::string after;
    };
    Edited Split() const;

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
    // Shows and selects `text`, a value none of the items is, as an item of
    // its own labelled `label`; it stays until the next clearOther.
    void showOther(const std::string& text, const QString& label);
    void clearOther();
    // The value shown by showOther; empty when none is.
    std::optional<std::string> other() const;
    // Gives the value shown by showOther another label (in another language).
    void relabelOther(const QString& label);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The wheel passing over a list the user is not in changes nothing.
    void wheelEvent(QWheelEvent* event) override;

private:
    std::vector<std::string> items_;
    bool other_ = false;  // the last item is a value shown by showOther
    // The first item of each case-folded text.
    std::unordered_map<std::string, int> firstByFolded_;
};

}  // namespace kelvor::fw
