// The look of the program's file dialogs: large enough to read, with every
// column of the file list in full and in the program's language.
#pragma once

class QFileDialog;

namespace kelvor::fw {

// Call on a non-native dialog before it is shown.
void ShapeFileDialog(QFileDialog& dialog);

}  // namespace kelvor::fw
