// The application object: prepares the platform services, runs the unit
// form modally and ends the program when it closes.
#pragma once

namespace kelvor {

class CUnitEditorApp {
public:
    CUnitEditorApp();
    ~CUnitEditorApp();

    // Shows the unit form and runs until it is closed; gives the exit code.
    int InitInstance();
};

}  // namespace kelvor
