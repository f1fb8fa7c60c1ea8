// Every modal interaction of the program goes through ModalServices, so that
// tests can answer each one (see tests/support/scripted_modal.h).
#pragma once

#include <string>

#include "app/framework/paths.h"

namespace kelvor::fw {

class Dialog;

// Flags of a file dialog request.
inline constexpr unsigned kOfnOverwritePrompt = 0x2;  // ask before replacing a file
inline constexpr unsigned kOfnHideReadOnly = 0x4;     // no read-only check box

struct FileDialogRequest {
    bool open = true;           // false: a save dialog
    std::string title;          // cp932
    Path initialFolder;
    Path fileName;              // the name offered first
    std::string filter;         // cp932, "label|pattern|label|pattern||"; patterns separated by ';'
    unsigned flags = 0;         // kOfn... flags; 6 = hide read-only box | ask before replacing
};

struct FileDialogResult {
    bool ok = false;  // false: cancelled
    Path path;        // full path of the chosen file
    Path fileName;    // the file-name part of path
};

// Message box icons.
inline constexpr int kIconStop = 16;
inline constexpr int kIconExclamation = 48;
inline constexpr int kIconInformation = 64;

// Results of modal runs.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

class ModalServices {
public:
    virtual ~ModalServices() = default;

    // Runs one of our own boxes. The dialog has been created (its window
    // built and OnInitDialog run); gives the result passed to EndDialog:
    // 1 (OK) or 2 (Cancel, Escape, the close box).
    virtual int RunModal(Dialog& dialog) = 0;

    virtual FileDialogResult RunFileDialog(const FileDialogRequest& request, Dialog* owner) = 0;

    // A box with one OK button, titled with the program's name; gives 1.
    // text is cp932; icon is one of the kIcon... values (0: none).
    virtual int MessageBox(const std::string& text, int icon, Dialog* owner) = 0;
};

// The real thing: QDialog::exec, a non-native QFileDialog, QMessageBox.
class QtModalServices : public ModalServices {
public:
    int RunModal(Dialog& dialog) override;
    FileDialogResult RunFileDialog(const FileDialogRequest& request, Dialog* owner) override;
    int MessageBox(const std::string& text, int icon, Dialog* owner) override;
};

}  // namespace kelvor::fw
