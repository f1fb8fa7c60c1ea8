#include "table/unit_walk.h"

namespace kelvor::table {

void ReadUnitLineValues(Cursor c, UnitLineValues& values) {
    values.tableValueCount = 0;
    values.weaponTypeCount = 0;
    if (!ReadField(c, values.name)) return;

    // Fields 3 to 6 follow the marker and the flag number.
    if (!SkipFields(c, 2)) return;
    for (int i = 0; i < 4; ++i) {
        if (!ReadField(c, values.tableValues[i])) return;
        ++values.tableValueCount;
    }
    // Fields 31 and 32.
    if (!SkipFields(c, 24)) return;
    for (int i = 4; i < 6; ++i) {
        if (!ReadField(c, values.tableValues[i])) return;
        ++values.tableValueCount;
    }
    // The weapon types: field 64, then every 20th field up to 144.
    for (int w = 0; w < 5; ++w) {
        if (!SkipFields(c, w == 0 ? 31 : 19)) return;
        if (!ReadField(c, values.weaponTypes[w])) return;
        ++values.weaponTypeCount;
    }
}

}  // namespace kelvor::table
