// Wrappers over the controls of a window, reached by control id. All text
// in and out is code page 932.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class QWidget;

namespace kelvor::fw {

// The error value of the list operations.
inline constexpr int kErr = -1;

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int GetDlgCtrlID() const { return id_; }
    QWidget* Widget() const { return widget_; }  // for tests and the layer

    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    void SetFocus();

    virtual void SetWindowText(const std::string& text);
    virtual std::string GetWindowText() const;

protected:
    Control(int id, QWidget* widget);

private:
    int id_;
    QWidget* widget_;
};

// Labels, group boxes, the icon and the frame.
class Static : public Control {
public:
    Static(int id, QWidget* widget);
    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;
};

// A single-line edit box. It hands back exactly the bytes it was given for
// as long as the user has not changed its text, so showing and taking back
// a value never changes it, even where bytes did not decode.
class Edit : public Control {
public:
    Edit(int id, QWidget* widget);
    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;
    // The characters of the box's text that code page 932 cannot hold (and
    // GetWindowText would give as '?'); none while the text is as given.
    std::vector<char32_t> UnstorableCharacters() const;
    void SetSel(int start, int end);  // end -1: to the end
    void SetSelAll() { SetSel(0, -1); }
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const;
    void SetRightAligned(bool right);

private:
    std::string given_;
    QString shown_;  // what was shown for given_
};

// Push buttons and check boxes.
class Button : public Control {
public:
    Button(int id, QWidget* widget);
    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;
    void Click();  // as the user would
};

// An automatic two-state check box: 1 checked, 0 clear.
class CheckBox : public Button {
public:
    CheckBox(int id, QWidget* widget);
    void SetCheck(int state);
    int GetCheck() const;
};

// A drop-down list (choice only), not sorted.
class ComboBox : public Control {
public:
    ComboBox(int id, QWidget* widget);
    int AddString(const std::string& text);  // appends; never selects; gives the index
    void ResetContent();
    int GetCount() const;
    std::string GetLBText(int index) const;  // the exact bytes added; empty for no such item
    int SetCurSel(int index);                // -1 (or no such item): no selection, gives kErr
    int GetCurSel() const;                   // kErr: none
    // Searches from the item after indexStart (-1: from the top), wrapping
    // round, for an item whose whole text equals text with letter case
    // ignored; gives its index or kErr.
    int FindStringExact(int indexStart, const std::string& text) const;
    std::string GetWindowText() const override;  // the selected item's bytes
    void SetWindowText(const std::string& text) override;  // drop-down lists have no text of their own

private:
    // The bytes of every item, in item order: the items are only ever
    // changed through this wrapper, and searches need no conversion.
    std::vector<std::string> items_;
    // The first item of each case-folded text, for searches from the top.
    std::unordered_map<std::string, int> firstByFolded_;
};

// A single-selection list box, not sorted. The selection-change
// notification comes only from the user (a click or a key), never from the
// program's own changes.
class ListBox : public Control {
public:
    ListBox(int id, QWidget* widget);
    int AddString(const std::string& text);                // gives the index
    int InsertString(int index, const std::string& text);  // -1: at the end; kErr for an index past the end
    int DeleteString(int index);                           // gives the count left, or kErr
    void ResetContent();
    int GetCount() const;
    std::string GetText(int index) const;                  // empty for no such item
    int SetItemData(int index, std::uint32_t data);        // kErr for no such item
    std::int64_t GetItemData(int index) const;             // kErr (-1) for no such item
    int GetCurSel() const;                                 // kErr: none
    int SetCurSel(int index);                              // -1: none; kErr for no such item or -1

    // For the layer: called on each selection change the user makes.
    void SetUserSelChangeHandler(std::function<void()> handler);

private:
    struct Guard;
    class PressWatcher;
    void UserChanged();
    bool programChanging_ = false;
    bool notifiedDuringPress_ = false;
    std::function<void()> onUserSelChange_;
};

}  // namespace kelvor::fw
