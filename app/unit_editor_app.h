// The application object: prepares the platform services, runs the unit
// form modally and ends the program when it closes.
#pragma once

#include <QString>

namespace kelvor {

class CUnitEditorApp {
public:
    CUnitEditorApp();
    ~CUnitEditorApp();

    // Shows the unit form and runs until it is closed; gives the exit code.
    // `file`, when given, is opened in it (or imported into a table).
    int InitInstance(const QString& file = QString());
};

}  // namespace kelvor
