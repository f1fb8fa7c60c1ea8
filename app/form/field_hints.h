// What each control of the unit form is, said to the user: its tooltip
// (the caption, or the field's name where the form shows none, the field
// number and the range) and the name refusals begin with.
#pragma once

#include <QString>

namespace kelvor::form {

struct FieldLayout;
struct FormWidgets;

// The caption the form shows for the field, or its name where it shows
// none (or only "？"); in English, always its name.
QString FieldTitle(const FieldLayout& field);

// 「耐久 (フィールド 8): 1〜255」.
QString FieldHint(const FieldLayout& field);

// Gives every control bound to a field its hint as tooltip.
void SetFieldHints(const FormWidgets& widgets);

}  // namespace kelvor::form
