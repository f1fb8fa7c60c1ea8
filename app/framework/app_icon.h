// The icons of the program's resources as Qt icons and pixmaps.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "res/resources.h"

namespace kelvor::fw {

// Every image of icon `iconId` (none for an unknown id).
QIcon IconFromResource(int iconId);
// The image of icon `iconId` that is `size` pixels wide, else its first
// image scaled to that size.
QPixmap IconPixmap(int iconId, int size);

}  // namespace kelvor::fw
