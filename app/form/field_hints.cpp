#include "app/form/field_hints.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include "app/form/form_widgets.h"
#include "app/framework/byte_controls.h"
#include "app/framework/language.h"
#include "form/record_layout.h"

namespace kelvor::form {

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QString FieldTitle(const FieldLayout& field) {
    // The English captions are abbreviations: the field's name says it whole.
    if (fw::LanguageInUse() == fw::Language::English) return Utf8(field.name);
    const QString caption = Utf8(field.caption);
    if (caption.isEmpty()) return Utf8(field.name);
    // A caption that is only a question mark says nothing of the field.
    if (caption.endsWith(QString::fromUtf8("？"))) return caption + QStringLiteral(" ") + Utf8(field.name);
    return caption;
}

QString FieldHint(const FieldLayout& field) {
    QString hint = QCoreApplication::translate("FieldHints", "%1 (フィールド %2)").arg(FieldTitle(field)).arg(field.field);
    if (field.hasRange) hint += QCoreApplication::translate("FieldHints", ": %1〜%2").arg(field.min).arg(field.max);
    return hint;
}

void SetFieldHints(const FormWidgets& widgets) {
    for (const FieldLayout& f : RecordLayout()) {
        const auto at = static_cast<std::size_t>(f.field);
        QWidget* control = widgets.edit[at] ? static_cast<QWidget*>(widgets.edit[at])
                           : widgets.check[at] ? static_cast<QWidget*>(widgets.check[at])
                                               : static_cast<QWidget*>(widgets.list[at]);
        if (control) control->setToolTip(FieldHint(f));
    }
}

}  // namespace kelvor::form
