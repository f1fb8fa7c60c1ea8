#include "app/form/form_exchange.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include <string>
#include <vector>

#include "app/form/field_hints.h"
#include "app/framework/byte_controls.h"
#include "app/framework/codec.h"
#include "app/framework/language.h"
#include "app/framework/modal.h"
#include "form/record_layout.h"
#include "form/text_checks.h"

namespace kelvor::form {

namespace {

constexpr const char* kContext = "FormRefusals";
constexpr const char* kEnterInteger = QT_TRANSLATE_NOOP("FormRefusals", "整数を入力してください。");
constexpr const char* kEnterName = QT_TRANSLATE_NOOP("FormRefusals", "ユニット名を入力してください。");
constexpr const char* kSeparatorsRefused =
    QT_TRANSLATE_NOOP("FormRefusals", "カンマ「,」と改行は保存できません。取り除いてください。");
constexpr const char* kUnstorable = QT_TRANSLATE_NOOP("FormRefusals", "次の文字はシフトJISで表せないため保存できません: ");

std::string Said(const char* source) { return fw::TranslatedCp932(kContext, source); }

std::string RangePrompt(int min, int max) {
    return fw::ToCp932(
        QCoreApplication::translate("FormRefusals", "%1 から %2 までの整数を入力してください。").arg(min).arg(max));
}

// One walk of taking the boxes back; once refused, it stays refused.
class Taking {
public:
    Taking(fw::ModalServices& modal, QWidget* owner) : modal_(modal), owner_(owner) {}

    bool Refused() const { return refused_; }

    void Integer(fw::ByteEdit* box, int& member, const FieldLayout* field) {
        if (!box) return;
        const std::optional<int> value = ParseFormInteger(box->bytes());
        if (!value) return Refuse(box, field, Said(kEnterInteger));
        member = *value;
        if (field && field->hasRange && (*value < field->min || *value > field->max))
            Refuse(box, field, RangePrompt(field->min, field->max));
    }

    void Text(fw::ByteEdit* box, std::string& member, const FieldLayout& field) {
        if (!box) return;
        member = box->bytes();
        const std::vector<char32_t> unstorable = box->unstorableCharacters();
        if (!unstorable.empty()) return Refuse(box, &field, Said(kUnstorable) + CodePointNames(unstorable));
        switch (CheckTextField(field.field, member)) {
        case TextRefusal::None: break;
        case TextRefusal::EmptyName: Refuse(box, &field, Said(kEnterName)); break;
        case TextRefusal::Separator: Refuse(box, &field, Said(kSeparatorsRefused)); break;
        }
    }

private:
    // The message begins with the field it is about.
    void Refuse(fw::ByteEdit* box, const FieldLayout* field, const std::string& message) {
        const std::string named = field ? fw::ToCp932(FieldTitle(*field) + QStringLiteral(": ")) + message : message;
        modal_.MessageBox(named, fw::kIconExclamation, owner_);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        refused_ = true;
    }

    fw::ModalServices& modal_;
    QWidget* owner_;
    bool refused_ = false;
};

}  // namespace

void ShowMembers(const FormWidgets& widgets, const FormMembers& members) {
    for (const FieldLayout* f : ExchangeOrder()) {
        const auto field = static_cast<std::size_t>(f->field);
        if (f->kind == FieldKind::Flag) {
            if (QAbstractButton* box = widgets.check[field]) box->setChecked(members.number[field] != 0);
        } else if (fw::ByteEdit* box = widgets.edit[field]) {
            box->setBytes(f->kind == FieldKind::Text ? members.text[field] : std::to_string(members.number[field]));
        }
    }
    if (widgets.unitNumber) widgets.unitNumber->setBytes(std::to_string(members.unitNumber));
}

bool TakeMembers(const FormWidgets& widgets, FormMembers& members, fw::ModalServices& modal, QWidget* owner,
                 const FieldSet* only) {
    Taking taking(modal, owner);
    for (const FieldLayout* f : ExchangeOrder()) {
        const auto field = static_cast<std::size_t>(f->field);
        if (only && !(*only)[field]) continue;
        switch (f->kind) {
        case FieldKind::Text: taking.Text(widgets.edit[field], members.text[field], *f); break;
        case FieldKind::Integer: taking.Integer(widgets.edit[field], members.number[field], f); break;
        case FieldKind::Flag:
            if (QAbstractButton* box = widgets.check[field]) members.number[field] = box->isChecked() ? 1 : 0;
            break;
        default: break;
        }
        if (taking.Refused()) return false;
    }
    taking.Integer(widgets.unitNumber, members.unitNumber, nullptr);
    return !taking.Refused();
}

}  // namespace kelvor::form
