#include "tools/demo_table.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "form/record_layout.h"
#include "table/text_format.h"
#include "tools/cp932_text.h"
#include "tools/demo_catalogue.h"
#include "tools/demo_random.h"

namespace kelvor::demo {

namespace {

using form::FieldKind;
using Record = table::UnitRecord;

constexpr int kFirstWeaponField = 53;
constexpr int kWeaponFields = 20;
constexpr int kWeaponSlots = 5;
constexpr int kFirstRatingField = 153;
constexpr int kRatingRows = 9;

constexpr std::uint64_t kGameSeed = 0x4B656C766F72ull;   // "Kelvor"
constexpr std::uint64_t kLargeSeed = 0x4C61726765ull;    // "Large"

// The catalogue's UTF-8 literals, converted once each.
const std::string& Sjis(const char* utf8) {
    static std::unordered_map<const char*, std::string> cache;
    auto it = cache.find(utf8);
    if (it == cache.end()) it = cache.emplace(utf8, Cp932(utf8)).first;
    return it->second;
}

// The weapon slot (0 to 4) and offset in it of a field, or -1.
int WeaponSlot(int field) {
    if (field < kFirstWeaponField || field >= kFirstWeaponField + kWeaponSlots * kWeaponFields) return -1;
    return (field - kFirstWeaponField) / kWeaponFields;
}
int WeaponOffset(int field) { return (field - kFirstWeaponField) % kWeaponFields; }

struct UnitPlan {
    const DemoKind* kind;
    std::array<const DemoWeapon*, kWeaponSlots> weapons{};  // nullptr: empty slot
};

// A plausible number for an integer field; the caller keeps it in range.
int TypicalInteger(DemoRandom& rng, const UnitPlan& plan, int field, int unitNumber) {
    const DemoKind& k = *plan.kind;
    if (const int slot = WeaponSlot(field); slot >= 0) {
        const DemoWeapon* w = plan.weapons[static_cast<std::size_t>(slot)];
        if (!w) return 0;
        switch (WeaponOffset(field)) {
            case 1: return std::max(1, w->range + rng.Between(-1, 1));
            case 2: return w->fire + rng.Between(-8, 8);
            case 12: return rng.Between(1, 60) * 10;
            default: return rng.Chance(30) ? 0 : rng.Between(5, 90);
        }
    }
    if (field >= kFirstRatingField && field < kFirstRatingField + 4 * kRatingRows) {
        const int row = (field - kFirstRatingField) % kRatingRows;  // 0-based
        if (row < kWeaponSlots) return plan.weapons[static_cast<std::size_t>(row)] ? rng.Between(50, 999) : 0;
        if (row == 8) return rng.Between(10, 3000);  // fuel
        if (row == 7) return rng.Between(0, 300);    // ECCM
        return rng.Between(0, 60);
    }
    switch (field) {
        case 2: return (unitNumber - 1) % 34;  // every flag cell in turn
        case 7: return rng.Between(1, 10);
        case 8: return rng.Between(k.durabilityMin, k.durabilityMax);
        case 24: return rng.Between(k.priceMin / 10, k.priceMax / 10) * 10;
        case 48: return rng.Between(0, 20);
        case 49: return rng.Between(0, 4);
        case 50: case 51: return 0;
        case 189: return rng.Between(k.pictureFirst, k.pictureLast);
        default: return rng.Between(0, 60);  // detection, evasion, box values
    }
}

bool IsAbility(const DemoKind& k, int field) {
    return std::find(k.abilities.begin(), k.abilities.end(), field) != k.abilities.end();
}

std::string MakeName(DemoRandom& rng, const DemoKind& k) {
    std::string name = Sjis(rng.Pick(k.prefixes));
    name += Sjis(rng.Pick(k.bases));
    name += Sjis(rng.Pick(DemoNameSuffixes()));
    return name;
}

// Fills every field of the record by the kind the record layout gives it.
// A unit of the given catalogue kind, or of one drawn at random for -1.
Record MakeUnit(std::uint64_t seed, int unitNumber, int kindIndex = -1) {
    DemoRandom rng(seed ^ (static_cast<std::uint64_t>(unitNumber) * 0xD1B54A32D192ED03ull));
    const auto kinds = DemoKinds();
    const DemoKind& drawn = rng.Pick(kinds);
    UnitPlan plan{kindIndex >= 0 ? &kinds[static_cast<std::size_t>(kindIndex)] : &drawn};
    const int weaponCount = rng.Between(1, plan.kind->maxWeapons);
    for (int s = 0; s < weaponCount; ++s) plan.weapons[static_cast<std::size_t>(s)] = &rng.Pick(plan.kind->weapons);

    const auto classes = table::MovementClasses();
    Record rec;
    for (const form::FieldLayout& f : form::RecordLayout()) {
        std::string& v = rec[static_cast<std::size_t>(f.field)];
        const int slot = WeaponSlot(f.field);
        const DemoWeapon* weapon = slot >= 0 ? plan.weapons[static_cast<std::size_t>(slot)] : nullptr;
        switch (f.kind) {
            case FieldKind::Marker: v = table::kMarkSet; break;
            case FieldKind::Text: v = f.field == 0 ? MakeName(rng, *plan.kind) : weapon ? Sjis(weapon->name) : ""; break;
            case FieldKind::Integer: {
                int n = TypicalInteger(rng, plan, f.field, unitNumber);
                if (f.hasRange) n = std::clamp(n, f.min, f.max);
                v = std::to_string(n);
                break;
            }
            case FieldKind::Flag: {
                int chance = 5;
                if (slot >= 0) chance = weapon ? 40 : 0;
                else if (IsAbility(*plan.kind, f.field)) chance = 60;
                v = rng.Chance(chance) ? table::kMarkSet : table::kMarkClear;
                break;
            }
            case FieldKind::MovementClass: {
                int cls = 0;
                if (f.field == table::kFirstMovementField) cls = plan.kind->movementClass;
                else if (f.field == table::kFirstMovementField + 1 && rng.Chance(30)) cls = plan.kind->altMovementClass;
                v = classes[static_cast<std::size_t>(cls)].code;
                break;
            }
            case FieldKind::TableValue:
                switch (f.field) {
                    case 3: v = Sjis(plan.kind->altitude); break;
                    case 4: v = Sjis(plan.kind->movement); break;
                    case 5: v = Sjis(rng.Pick(plan.kind->thinking)); break;
                    case 6: v = Sjis(plan.kind->unitType); break;
                    case 31: v = rng.Pick(DemoExtraTypesA()); break;
                    case 32: v = rng.Pick(DemoExtraTypesB()); break;
                    default: v = Sjis(weapon ? weapon->type : kNoWeaponType); break;
                }
                break;
        }
    }
    return rec;
}

std::string JoinFields(const Record& rec) {
    std::string line;
    for (std::size_t i = 0; i < rec.size(); ++i) {
        if (i) line += ',';
        line += rec[i];
    }
    return line;
}

// Every ranged integer field at one end of its range.
void SetRangeEnds(Record& rec, bool maximum) {
    for (const form::FieldLayout& f : form::RecordLayout())
        if (f.kind == FieldKind::Integer && f.hasRange) rec[static_cast<std::size_t>(f.field)] = std::to_string(maximum ? f.max : f.min);
}

// The units with something special about them: their own name and kind
// over a generated unit, then the fields that make them special.
struct SpecialUnit {
    int unitNumber;
    int kind;
    const char* name;
};
constexpr SpecialUnit kSpecialUnits[] = {
    {kUnitTrailByte5C, kTanks, "ソ連戦車"},
    {kUnitTrailByte5C2, kAircraft, "表示試験機"},
    {kUnitTrailByte7E, kShips, "ミサイル艇"},
    {kUnitSameNameA, kInfantry, "歩兵"},
    {kUnitSameNameB, kInfantry, "歩兵"},
    {kUnitTransforms, kTanks, "軽戦車"},
    {kUnitTransformTarget, kTanks, "軽戦車改"},
    {kUnitMissileRef, kAircraft, "誘導弾搭載機"},
    {kUnitMissileTarget, kAircraft, "空対艦誘導弾"},
    {kUnitMissingPicture, kArtillery, "写真なし試験車"},
    {kUnitOddMovement, kArtillery, "移動型不明車"},
    {kUnitAllMaximum, kTanks, "最大値試験車"},
    {kUnitAllMinimum, kInfantry, "最小値試験兵"},
};

void PlaceSpecialUnits(std::array<Record, kGameUnitCount + 1>& units) {
    for (const SpecialUnit& s : kSpecialUnits) {
        Record& rec = units[static_cast<std::size_t>(s.unitNumber)];
        rec = MakeUnit(kGameSeed, s.unitNumber, s.kind);
        rec[0] = Cp932(s.name);
    }
    auto at = [&](int unitNumber) -> Record& { return units[static_cast<std::size_t>(unitNumber)]; };
    at(kUnitExtraAir)[31] = "Air";
    at(kUnitExtraAIR)[31] = "AIR";
    at(kUnitTransforms)[50] = std::to_string(kUnitTransformTarget);
    at(kUnitMissileRef)[51] = std::to_string(kUnitMissileTarget);
    at(kUnitMissingPicture)[189] = std::to_string(kMissingPictureNumber);
    at(kUnitOddMovement)[27] = "00000011";
    SetRangeEnds(at(kUnitAllMaximum), true);
    SetRangeEnds(at(kUnitAllMinimum), false);
}

}  // namespace

std::string DemoHeadingLines() {
    std::string text = Cp932("; 兵器データ (Kelvor 見本)") + "\r\n";
    text += Cp932("名前,印,旗,高度,移動型,思考型,兵器型,編成,耐久") + "\r\n";
    text += "\r\n";
    return text;
}

std::string DemoGameTable() {
    std::array<Record, kGameUnitCount + 1> units;  // index = unit number; 0 unused
    for (int n = 1; n <= kGameUnitCount; ++n) units[static_cast<std::size_t>(n)] = MakeUnit(kGameSeed, n);
    PlaceSpecialUnits(units);
    std::string text = DemoHeadingLines();
    for (int n = 1; n <= kGameUnitCount; ++n) {
        text += JoinFields(units[static_cast<std::size_t>(n)]);
        text += "\r\n";
    }
    return text;
}

std::string DemoUnitLine(int unitNumber) { return JoinFields(MakeUnit(kLargeSeed, unitNumber)); }

std::string DemoLargeTable(std::size_t bytes) {
    std::string text = DemoHeadingLines();
    text.reserve(bytes + 2048);
    for (int n = 1; text.size() < bytes; ++n) {
        text += DemoUnitLine(n);
        text += "\r\n";
    }
    return text;
}

}  // namespace kelvor::demo
