#include "app/form/form_widgets.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include "app/framework/byte_controls.h"
#include "app/framework/choice_list_view.h"
#include "app/framework/codec.h"
#include "app/framework/image_frame.h"
#include "app/framework/template_builder.h"
#include "form/record_layout.h"
#include "res/control_ids.h"

namespace kelvor::form {

namespace {

template <class W>
W* Find(const fw::TemplateControls& controls, int id) {
    const auto it = controls.byId.find(id);
    return it == controls.byId.end() ? nullptr : dynamic_cast<W*>(it->second);
}

template <class Visit>
void ForEachList(const FormWidgets& widgets, Visit&& visit) {
    for (std::size_t field = 0; field < widgets.list.size(); ++field)
        if (fw::ByteList* list = widgets.list[field]) visit(static_cast<int>(field), *list);
}

}  // namespace

FormWidgets BindFormWidgets(const fw::TemplateControls& controls) {
    FormWidgets w;
    for (const FieldLayout& f : RecordLayout()) {
        const auto field = static_cast<std::size_t>(f.field);
        switch (f.kind) {
        case FieldKind::Text:
        case FieldKind::Integer: w.edit[field] = Find<fw::ByteEdit>(controls, f.controlId); break;
        case FieldKind::Flag: w.check[field] = Find<QAbstractButton>(controls, f.controlId); break;
        case FieldKind::MovementClass:
        case FieldKind::TableValue: w.list[field] = Find<fw::ByteList>(controls, f.controlId); break;
        case FieldKind::Marker: break;
        }
    }
    w.unitNumber = Find<fw::ByteEdit>(controls, res::kIdUnitNumber);
    w.unitList = Find<fw::ChoiceListView>(controls, res::kIdUnitList);
    w.picture = Find<fw::ImageFrame>(controls, res::kIdPicturePanel);
    return w;
}

ShownState RememberShown(const FormWidgets& widgets) {
    ShownState shown;
    for (std::size_t f = 0; f < widgets.edit.size(); ++f) {
        if (widgets.edit[f]) widgets.edit[f]->markShown();
        if (widgets.check[f]) shown.checked[f] = widgets.check[f]->isChecked();
        if (widgets.list[f]) shown.listIndex[f] = widgets.list[f]->currentIndex();
    }
    return shown;
}

FieldSet ChangedFields(const FormWidgets& widgets, const ShownState& shown) {
    FieldSet changed;
    for (std::size_t f = 0; f < widgets.edit.size(); ++f)
        changed[f] = (widgets.edit[f] && widgets.edit[f]->isEdited()) ||
                     (widgets.check[f] && widgets.check[f]->isChecked() != shown.checked[f]) ||
                     (widgets.list[f] && widgets.list[f]->currentIndex() != shown.listIndex[f]);
    return changed;
}

void FillMovementClassLists(const FormWidgets& widgets) {
    for (int field = table::kFirstMovementField; field <= table::kLastMovementField; ++field) {
        fw::ByteList* list = widgets.list[static_cast<std::size_t>(field)];
        if (!list) continue;
        list->clearItems();
        for (const table::MovementClass& mc : table::MovementClasses()) list->addBytes(mc.name);
    }
}

namespace {

// How a list shows a value none of its items is.
QString OtherLabel(const std::string& value) {
    return QCoreApplication::translate("UnitForm", "%1 (表にない値)").arg(fw::FromCp932(value));
}

}  // namespace

void SelectListItems(const FormWidgets& widgets, const table::UnitRecord& rec, const table::UnitRecord& stored) {
    ForEachList(widgets, [&](int field, fw::ByteList& list) {
        list.clearOther();
        const int found = list.findBytes(rec[static_cast<std::size_t>(field)]);
        const std::string& value = stored[static_cast<std::size_t>(field)];
        if (found >= 0 || value.empty()) {
            list.setCurrentIndex(found);
        } else {
            list.showOther(value, OtherLabel(value));
        }
    });
}

void RelabelOtherValues(const FormWidgets& widgets) {
    ForEachList(widgets, [](int, fw::ByteList& list) {
        if (const std::optional<std::string> value = list.other()) list.relabelOther(OtherLabel(*value));
    });
}

void ClearListSelections(const FormWidgets& widgets) {
    ForEachList(widgets, [](int, fw::ByteList& list) {
        list.clearOther();
        list.setCurrentIndex(-1);
    });
}

SelectedItemText SelectedItems(const FormWidgets& widgets) {
    return [&widgets](int field) -> std::optional<std::string> {
        const fw::ByteList* list = widgets.list[static_cast<std::size_t>(field)];
        if (!list || list->currentIndex() < 0) return std::nullopt;
        return list->bytesAt(list->currentIndex());
    };
}

}  // namespace kelvor::form
