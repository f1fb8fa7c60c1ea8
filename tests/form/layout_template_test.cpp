// The record layout against the unit form's template: every control it
// names is there, and of the kind that shows its field.
#include <gtest/gtest.h>

#include <map>

#include "form/record_layout.h"
#include "res/control_ids.h"
#include "res/resources.h"

namespace kelvor::form {
namespace {

using res::ControlKind;

std::map<int, ControlKind> TemplateKinds() {
    std::map<int, ControlKind> kinds;
    for (const res::ControlTemplate& c : res::FindDialog(res::kIdUnitForm)->controls)
        if (c.id > 0) kinds[c.id] = c.kind;
    return kinds;
}

ControlKind KindShowing(FieldKind kind) {
    switch (kind) {
    case FieldKind::Flag: return ControlKind::CheckBox;
    case FieldKind::MovementClass:
    case FieldKind::TableValue: return ControlKind::ComboBox;
    default: return ControlKind::Edit;
    }
}

TEST(LayoutAndTemplate, EveryControlNamedIsInTheFormsTemplateWithTheKindItsFieldNeeds) {
    const std::map<int, ControlKind> kinds = TemplateKinds();
    auto kindOf = [&](int id) {
        const auto it = kinds.find(id);
        return it == kinds.end() ? ControlKind::Frame : it->second;  // Frame: none of the form's fields
    };
    for (const FieldLayout& f : RecordLayout()) {
        if (f.kind == FieldKind::Marker) continue;
        EXPECT_EQ(kindOf(f.controlId), KindShowing(f.kind)) << "field " << f.field << ", control " << f.controlId;
    }
    EXPECT_EQ(kindOf(res::kIdUnitList), ControlKind::ListBox);
    EXPECT_EQ(kindOf(res::kIdUnitNumber), ControlKind::Edit);
    // Every edit, check box and drop-down list of the template shows a field
    // (the unit number box aside).
    for (const auto& [id, kind] : kinds) {
        if (id == res::kIdUnitNumber) continue;
        if (kind == ControlKind::Edit || kind == ControlKind::CheckBox || kind == ControlKind::ComboBox) {
            EXPECT_NE(FieldOfControl(id), nullptr) << id;
        }
    }
}

}  // namespace
}  // namespace kelvor::form
