// Identifiers of the controls and commands that the program's code names.
// The ids of the fields' own controls live in the record layout.
#pragma once

namespace kelvor::res {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdUnitList = 1008;
inline constexpr int kIdUnitName = 1011;
inline constexpr int kIdApply = 1217;
inline constexpr int kIdPicturePanel = 1236;
inline constexpr int kIdUnitNumber = 1240;
inline constexpr int kIdJumpTransform = 1241;
inline constexpr int kIdJumpMi = 1242;
inline constexpr int kIdSearchText = 1245;

}  // namespace kelvor::res
