// The made-up unit kinds the demo table is drawn from: name parts, the
// values their table-value fields take, their weapons and abilities. All
// texts are UTF-8 here; the table generator converts them to code page 932.
#pragma once

#include <span>

namespace kelvor::demo {

struct DemoWeapon {
    const char* name;
    const char* type;    // weapon-type field
    int range;           // typical range; the generator varies it a little
    int fire;
};

struct DemoKind {
    std::span<const char* const> prefixes;  // "" allowed
    std::span<const char* const> bases;
    int movementClass;       // index into the movement-class table
    int altMovementClass;    // second class sometimes given in field 26
    const char* altitude;    // field 3
    const char* movement;    // field 4
    std::span<const char* const> thinking;  // field 5
    const char* unitType;    // field 6
    std::span<const DemoWeapon> weapons;
    int maxWeapons;
    std::span<const int> abilities;  // flag fields this kind often has set
    int durabilityMin, durabilityMax;
    int priceMin, priceMax;
    int pictureFirst, pictureLast;  // inside the pictures the demo writes
};

// Infantry, tanks, artillery, ships, submarines, aircraft, helicopters, in
// the order of these indices.
enum DemoKindIndex : int { kInfantry, kTanks, kArtillery, kShips, kSubmarines, kAircraft, kHelicopters };
std::span<const DemoKind> DemoKinds();

// Name suffixes shared by every kind ("" allowed).
std::span<const char* const> DemoNameSuffixes();

// Values of the two extra type fields (31 and 32).
std::span<const char* const> DemoExtraTypesA();
std::span<const char* const> DemoExtraTypesB();

// The weapon type of an empty weapon slot.
inline constexpr char kNoWeaponType[] = "なし";

}  // namespace kelvor::demo
