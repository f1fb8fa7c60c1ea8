// The order in which the form's exchange walks its controls, and what each
// exchanged value control holds. Plain data, no Qt.
#pragma once

#include <span>

namespace kelvor::form {

enum class ExchangeKind { Text, Integer, Check };

struct ExchangeEntry {
    int controlId;
    ExchangeKind kind;
    bool hasRange;
    int min;
    int max;
    int field;  // -1 for the unit-number box, which shows no field
};

// The value controls in exchange order, ending with the unit-number box.
std::span<const ExchangeEntry> ExchangeValues();

// The controls bound as objects, in exchange order: the seventeen
// drop-down lists, then the unit list.
std::span<const int> ExchangeControlObjects();

inline constexpr int kUnitNumberControl = 1240;

}  // namespace kelvor::form
