// Qt's own texts (the file dialogs, the replace question, an edit's context
// menu) in Japanese, whatever the system's language, like the program's own.
#pragma once

namespace kelvor::fw {

// Loads Qt's Japanese translations from Qt's translations folder into the
// running application and makes Japanese the default locale. False when the
// translations are not installed (Qt's texts then stay English).
bool UseJapaneseQtTexts();

}  // namespace kelvor::fw
