#include "form/form_exchange.h"

#include <string>
#include <vector>

#include "app/framework/codec.h"
#include "app/framework/dialog.h"
#include "form/exchange_table.h"
#include "form/record_layout.h"
#include "form/text_checks.h"

namespace kelvor::form {

namespace {

constexpr const char* kEnterName = "ユニット名を入力してください。";
constexpr const char* kSeparatorsRefused = "カンマ「,」と改行は保存できません。取り除いてください。";
constexpr const char* kUnstorable = "次の文字はシフトJISで表せないため保存できません: ";

void Refuse(fw::DataExchange& dx, int id, const std::string& text) {
    fw::Dialog& dialog = dx.GetDialog();
    dialog.GetPlatform().modal.MessageBox(text, fw::kIconExclamation, &dialog);
    dx.Fail(id);
}

// Save direction, after the box's text has been taken: what the line could
// not hold is refused.
void CheckText(fw::DataExchange& dx, int id, int field, const std::string& text) {
    const std::vector<char32_t> unstorable = dx.GetDialog().GetEdit(id).UnstorableCharacters();
    if (!unstorable.empty()) {
        Refuse(dx, id, fw::Cp932FromUtf8(kUnstorable) + CodePointNames(unstorable));
        return;
    }
    switch (CheckTextField(field, text)) {
    case TextRefusal::None:
        break;
    case TextRefusal::EmptyName:
        Refuse(dx, id, fw::Cp932FromUtf8(kEnterName));
        break;
    case TextRefusal::Separator:
        Refuse(dx, id, fw::Cp932FromUtf8(kSeparatorsRefused));
        break;
    }
}

}  // namespace

void ExchangeUnitForm(fw::DataExchange& dx, FormMembers& members, FormLists& lists, fw::ListBox*& unitList) {
    for (const int id : ExchangeControlObjects()) {
        if (const FieldLayout* f = FieldOfControl(id))
            dx.Control(id, lists.ofField[static_cast<std::size_t>(f->field)]);
        else
            dx.Control(id, unitList);
    }

    for (const ExchangeEntry& entry : ExchangeValues()) {
        if (dx.Failed()) return;
        const int id = entry.controlId;
        if (entry.field < 0) {  // the unit number
            dx.Int(id, members.unitNumber);
            continue;
        }
        const auto field = static_cast<std::size_t>(entry.field);
        switch (entry.kind) {
        case ExchangeKind::Text:
            dx.Text(id, members.text[field]);
            if (dx.saveAndValidate && !dx.Failed()) CheckText(dx, id, entry.field, members.text[field]);
            break;
        case ExchangeKind::Integer:
            dx.Int(id, members.number[field]);
            if (entry.hasRange) dx.MinMaxInt(id, members.number[field], entry.min, entry.max);
            break;
        case ExchangeKind::Check:
            dx.Check(id, members.number[field]);
            break;
        }
    }
}

}  // namespace kelvor::form
