// The "変" and "ミ" buttons: fields 50 and 51 name another unit by its unit
// number (its line number minus 2), and the button shows that unit. Plain
// code, no Qt.
#pragma once

#include <cstdint>

namespace kelvor::form {

inline constexpr int kTransformTargetField = 50;  // edit 1082, button "変"
inline constexpr int kMiTargetField = 51;         // edit 1083, button "ミ"

// The index of the first unit-list entry whose item data (its line number)
// is unitNumber + 2, or -1 when none is. itemData(i) gives entry i's data.
template <class ItemData>
int UnitListIndexOf(int unitNumber, int count, ItemData&& itemData) {
    const std::int64_t lineNumber = static_cast<std::int64_t>(unitNumber) + 2;
    for (int i = 0; i < count; ++i)
        if (static_cast<std::int64_t>(itemData(i)) == lineNumber) return i;
    return -1;
}

}  // namespace kelvor::form
