// The services a window works with, owned by the application: tests give
// scripted answers, a profile in a temporary folder and their own files.
#pragma once

#include "app/framework/files.h"
#include "app/framework/modal.h"
#include "app/framework/profile.h"

namespace kelvor::fw {

struct Platform {
    ModalServices& modal;
    Profile& profile;
    FileService& files;
};

}  // namespace kelvor::fw
