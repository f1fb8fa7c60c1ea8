#include "tools/demo_game.h"

#include <string>

#include "tools/demo_palette.h"
#include "tools/demo_pictures.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"

namespace kelvor::demo {

bool WriteDemoGame(const std::filesystem::path& folder) {
    if (!WriteFileBytes(folder / "weapon.dat", DemoGameTable())) return false;
    if (!WriteBmp(folder / "bmp" / "panel_btn.bmp", DrawFlagSheet())) return false;
    for (const DemoPicture& p : DemoPictures())
        if (!WriteBmp(folder / "unit" / (std::to_string(p.number) + ".bmp"), DrawDemoPicture(p))) return false;
    return true;
}

}  // namespace kelvor::demo
