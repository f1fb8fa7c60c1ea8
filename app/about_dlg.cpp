#include "app/about_dlg.h"

#include "res/resources.h"

namespace kelvor {

CAboutDlg::CAboutDlg(fw::Platform& platform, fw::Dialog* parent)
    : fw::Dialog(res::kIdAboutBox, parent, platform) {}

CAboutDlg::~CAboutDlg() = default;

}  // namespace kelvor
