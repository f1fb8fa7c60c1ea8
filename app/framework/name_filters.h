// File dialog filters: "label|pattern|label|pattern||" (patterns separated
// by ';') as Qt name filters "label (pattern pattern)". A label that already
// ends in its parenthesised patterns shows them only once. The pattern "*.*"
// means every file, as it does in the filters' original form; Qt would match
// only names with a dot, so it becomes "*".
#pragma once

#include <QStringList>

namespace kelvor::fw {

QStringList NameFilters(const QString& filter);

}  // namespace kelvor::fw
