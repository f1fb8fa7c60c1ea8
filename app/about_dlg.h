// The About box: the program's icon, name and version, and an OK button.
#pragma once

#include "app/framework/dialog.h"

namespace kelvor {

class CAboutDlg : public fw::Dialog {
public:
    CAboutDlg(fw::Platform& platform, fw::Dialog* parent);
    ~CAboutDlg() override;
};

}  // namespace kelvor
