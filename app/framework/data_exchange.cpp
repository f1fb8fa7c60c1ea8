#include "app/framework/data_exchange.h"

#include <cstdint>
#include <limits>

#include "app/framework/codec.h"
#include "app/framework/dialog.h"

namespace kelvor::fw {

namespace {

constexpr const char* kEnterInteger = "整数を入力してください。";
constexpr const char* kEnterIntegerBetween = "%1 から %2 までの整数を入力してください。";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string RangePrompt(int min, int max) {
    std::string text = kEnterIntegerBetween;
    text.replace(text.find("%1"), 2, std::to_string(min));
    text.replace(text.find("%2"), 2, std::to_string(max));
    return Cp932FromUtf8(text);
}

}  // namespace

std::optional<int> ParseExchangeInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i++] - '0');
        if (value > kLimit) return std::nullopt;
    }
    if (i == digitsStart) return std::nullopt;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i != text.size()) return std::nullopt;
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate) : saveAndValidate(saveAndValidate), dialog_(dialog) {}

void DataExchange::Text(int id, std::string& member) {
    if (failed_) return;
    if (saveAndValidate)
        member = dialog_.GetDlgItemText(id);
    else
        dialog_.SetDlgItemText(id, member);
}

void DataExchange::Int(int id, int& member) {
    if (failed_) return;
    if (!saveAndValidate) {
        dialog_.SetDlgItemText(id, std::to_string(member));
        return;
    }
    const std::optional<int> value = ParseExchangeInt(dialog_.GetDlgItemText(id));
    if (!value) {
        Refuse(id, Cp932FromUtf8(kEnterInteger));
        return;
    }
    member = *value;
}

void DataExchange::Check(int id, int& member) {
    if (failed_) return;
    if (saveAndValidate)
        member = dialog_.IsDlgButtonChecked(id);
    else
        dialog_.CheckDlgButton(id, member);
}

void DataExchange::MinMaxInt(int id, int value, int min, int max) {
    if (failed_ || !saveAndValidate) return;
    if (value < min || value > max) Refuse(id, RangePrompt(min, max));
}

void DataExchange::Control(int id, ComboBox*& object) {
    if (!failed_) object = &dialog_.GetComboBox(id);
}
void DataExchange::Control(int id, ListBox*& object) {
    if (!failed_) object = &dialog_.GetListBox(id);
}
void DataExchange::Control(int id, Edit*& object) {
    if (!failed_) object = &dialog_.GetEdit(id);
}
void DataExchange::Control(int id, CheckBox*& object) {
    if (!failed_) object = &dialog_.GetCheckBox(id);
}

void DataExchange::Fail(int id) {
    if (failed_) return;
    dialog_.GotoDlgCtrl(id);
    failed_ = true;
}

void DataExchange::Refuse(int id, const std::string& prompt) {
    dialog_.GetPlatform().modal.MessageBox(prompt, kIconExclamation, &dialog_);
    Fail(id);
}

}  // namespace kelvor::fw
