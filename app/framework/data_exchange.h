// The exchange between a window's members and its controls, in one of two
// directions: load (members into controls) or save (controls into members,
// with the checks). Once a save has been refused, every later call is a
// no-op, so a caller can walk a table of entries and simply stop.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvor::fw {

class Dialog;
class ComboBox;
class ListBox;
class Edit;
class CheckBox;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate);

    const bool saveAndValidate;  // true: controls into members
    bool Failed() const { return failed_; }
    Dialog& GetDialog() { return dialog_; }

    // Strings as they are (cp932).
    void Text(int id, std::string& member);
    // Load: "%d". Save: blanks or tabs, an optional sign, digits, blanks or
    // tabs; anything else (an empty box, a number outside 32 bits) shows the
    // "enter an integer" prompt, focuses the box with its text selected,
    // leaves the member unchanged and stops the exchange.
    void Int(int id, int& member);
    // Check boxes: 1 checked, 0 clear.
    void Check(int id, int& member);
    // Save only: a value outside min..max shows the range prompt naming the
    // bounds, focuses the box with its text selected and stops the exchange.
    void MinMaxInt(int id, int value, int min, int max);
    // Binds the control object of a control.
    void Control(int id, ComboBox*& object);
    void Control(int id, ListBox*& object);
    void Control(int id, Edit*& object);
    void Control(int id, CheckBox*& object);

    // Stops the exchange after the caller's own refusal; focuses the box.
    void Fail(int id);

private:
    void Refuse(int id, const std::string& prompt);

    Dialog& dialog_;
    bool failed_ = false;
};

// How the save direction reads an integer box; nullopt when it refuses.
std::optional<int> ParseExchangeInt(std::string_view text);

}  // namespace kelvor::fw
