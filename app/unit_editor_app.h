// The application object: prepares the platform services, runs the unit
// form modally and ends the program when it closes.
#pragma once

namespace kelvor {

class CUnitEditorApp {
public:
    CUnitEditorApp();
    ~CUnitEditorApp();

    // Runs the whole program; gives 0.
    int InitInstance();
};

}  // namespace kelvor
