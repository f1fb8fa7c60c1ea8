// Until the program's resources are built, the layer's look-ups find nothing.
#include "res/resources.h"

namespace kelvor::res {

const DialogTemplate* FindDialog(int) { return nullptr; }
const MenuTemplate* FindMenu(int) { return nullptr; }
const IconTemplate* FindIcon(int) { return nullptr; }
std::string_view FindString(int) { return {}; }
const VersionRecord& Version() {
    static const VersionRecord record{{0, 0, 0, 0}, {0, 0, 0, 0}, "", {}};
    return record;
}

}  // namespace kelvor::res
