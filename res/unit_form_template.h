// The templates behind the look-ups of resources.h, one per source file.
#pragma once

#include "res/resources.h"

namespace kelvor::res {

std::span<const ControlTemplate> UnitFormControls();
const DialogTemplate& UnitFormTemplate();
const DialogTemplate& AboutBoxTemplate();
const DialogTemplate& SearchBoxTemplate();
const IconTemplate& AppIconTemplate();

}  // namespace kelvor::res
