#include "tools/demo_catalogue.h"

namespace kelvor::demo {

namespace {

// Indices into the movement-class table.
enum : int { kNone, kCarrierPlane, kVtol, kHeli, kHeavy, kVehicle, kLight, kFoot, kHover };

constexpr const char* kInfantryPrefix[] = {"", "", "軽", "重", "精鋭", "山岳", "空挺"};
constexpr const char* kInfantryBase[] = {"歩兵", "機械化歩兵", "工兵", "狙撃兵", "偵察兵"};
constexpr const char* kInfantryThink[] = {"攻撃", "防御", "占領"};
constexpr DemoWeapon kInfantryWeapons[] = {
    {"小銃", "小銃", 1, 12},       {"機関銃", "機関銃", 1, 18},   {"対戦車砲", "対戦車", 2, 30},
    {"迫撃砲", "榴弾砲", 3, 22},   {"携帯対空弾", "対空ミサイル", 3, 35},
};
constexpr int kInfantryAbilities[] = {13, 15, 16};

constexpr const char* kTankPrefix[] = {"", "軽", "中", "重", "主力", "新型", "試作"};
constexpr const char* kTankBase[] = {"戦車", "駆逐戦車", "装甲車", "偵察車", "自走対空砲"};
constexpr const char* kTankThink[] = {"攻撃", "突破", "防御"};
constexpr DemoWeapon kTankWeapons[] = {
    {"戦車砲", "戦車砲", 1, 55},   {"滑腔砲", "戦車砲", 1, 70},   {"同軸機銃", "機関銃", 1, 15},
    {"機関砲", "機関砲", 2, 28},   {"対戦車誘導弾", "対戦車", 3, 60},
};
constexpr int kTankAbilities[] = {18, 13};

constexpr const char* kArtilleryPrefix[] = {"", "軽", "重", "自走", "牽引"};
constexpr const char* kArtilleryBase[] = {"榴弾砲", "ロケット砲", "高射砲", "補給車", "架橋車"};
constexpr const char* kArtilleryThink[] = {"支援", "後方"};
constexpr DemoWeapon kArtilleryWeapons[] = {
    {"榴弾砲", "榴弾砲", 6, 45},   {"多連装噴進弾", "ロケット", 8, 50}, {"高射機関砲", "機関砲", 3, 25},
    {"地対空誘導弾", "対空ミサイル", 9, 55},
};
constexpr int kArtilleryAbilities[] = {40, 14, 15};

constexpr const char* kShipPrefix[] = {"", "大型", "小型", "新型", "旧式", "高速"};
constexpr const char* kShipBase[] = {"駆逐艦", "巡洋艦", "戦艦", "空母", "揚陸艦", "補給艦", "哨戒艇"};
constexpr const char* kShipThink[] = {"艦隊", "護衛", "輸送"};
constexpr DemoWeapon kShipWeapons[] = {
    {"主砲", "艦砲", 8, 60},       {"副砲", "艦砲", 5, 35},       {"対空機銃", "機関砲", 2, 15},
    {"魚雷", "魚雷", 4, 70},       {"対艦誘導弾", "対艦ミサイル", 12, 80}, {"爆雷", "爆雷", 1, 40},
};
constexpr int kShipAbilities[] = {12, 41, 45, 46};

constexpr const char* kSubPrefix[] = {"", "大型", "小型", "原子力"};
constexpr const char* kSubBase[] = {"潜水艦", "潜航艇"};
constexpr const char* kSubThink[] = {"潜伏", "攻撃"};
constexpr DemoWeapon kSubWeapons[] = {
    {"魚雷", "魚雷", 4, 75},       {"潜対艦誘導弾", "対艦ミサイル", 10, 70},
};
constexpr int kSubAbilities[] = {11, 10};

constexpr const char* kAirPrefix[] = {"", "新型", "艦上", "長距離", "試作", "夜間"};
constexpr const char* kAirBase[] = {"戦闘機", "攻撃機", "爆撃機", "偵察機", "輸送機", "給油機"};
constexpr const char* kAirThink[] = {"制空", "対地", "偵察"};
constexpr DemoWeapon kAirWeapons[] = {
    {"機関砲", "機関砲", 1, 20},   {"空対空誘導弾", "空対空ミサイル", 4, 65}, {"爆弾", "爆弾", 1, 70},
    {"空対地誘導弾", "空対地ミサイル", 5, 60}, {"ロケット弾", "ロケット", 2, 35},
};
constexpr int kAirAbilities[] = {9, 39};

constexpr const char* kHeliPrefix[] = {"", "軽", "大型", "汎用"};
constexpr const char* kHeliBase[] = {"攻撃ヘリ", "輸送ヘリ", "観測ヘリ", "対潜ヘリ"};
constexpr const char* kHeliThink[] = {"対地", "輸送"};
constexpr DemoWeapon kHeliWeapons[] = {
    {"機関砲", "機関砲", 1, 22},   {"対戦車誘導弾", "対戦車", 4, 60}, {"ロケット弾", "ロケット", 2, 35},
    {"短魚雷", "魚雷", 3, 50},
};
constexpr int kHeliAbilities[] = {12, 16};

constexpr DemoKind kKinds[] = {
    {kInfantryPrefix, kInfantryBase, kFoot, kLight, "地上", "歩行", kInfantryThink, "歩兵",
     kInfantryWeapons, 3, kInfantryAbilities, 8, 40, 80, 600, 101, 103},
    {kTankPrefix, kTankBase, kHeavy, kVehicle, "地上", "装軌", kTankThink, "車両",
     kTankWeapons, 3, kTankAbilities, 40, 160, 600, 4000, 104, 107},
    {kArtilleryPrefix, kArtilleryBase, kVehicle, kLight, "地上", "装輪", kArtilleryThink, "車両",
     kArtilleryWeapons, 2, kArtilleryAbilities, 20, 90, 400, 3000, 108, 109},
    {kShipPrefix, kShipBase, kNone, kHover, "水上", "艦船", kShipThink, "艦船",
     kShipWeapons, 5, kShipAbilities, 80, 255, 2000, 30000, 110, 113},
    {kSubPrefix, kSubBase, kNone, kNone, "水中", "潜航", kSubThink, "艦船",
     kSubWeapons, 2, kSubAbilities, 60, 180, 3000, 20000, 114, 114},
    {kAirPrefix, kAirBase, kCarrierPlane, kVtol, "高空", "飛行", kAirThink, "航空機",
     kAirWeapons, 4, kAirAbilities, 20, 90, 1500, 12000, 115, 118},
    {kHeliPrefix, kHeliBase, kHeli, kVtol, "低空", "回転翼", kHeliThink, "航空機",
     kHeliWeapons, 3, kHeliAbilities, 15, 70, 800, 6000, 119, 120},
};

constexpr const char* kSuffixes[] = {"", "", "", "改", "甲", "乙", "II", "A型", "B型"};
constexpr const char* kExtraA[] = {"Std", "Ext", "Air"};
constexpr const char* kExtraB[] = {"0", "1", "2", "3"};

}  // namespace

std::span<const DemoKind> DemoKinds() { return kKinds; }
std::span<const char* const> DemoNameSuffixes() { return kSuffixes; }
std::span<const char* const> DemoExtraTypesA() { return kExtraA; }
std::span<const char* const> DemoExtraTypesB() { return kExtraB; }

}  // namespace kelvor::demo
