// The About box: the program's icon, name and version, and an OK button.
#pragma once

#include <QDialog>

namespace kelvor {

class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace kelvor
