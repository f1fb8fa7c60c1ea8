// Every modal interaction of the program goes through ModalServices, so that
// tests can answer each one (see tests/support/scripted_modal.h).
#pragma once

#include <string>
#include <vector>

#include "app/framework/paths.h"

class QDialog;
class QWidget;

namespace kelvor::fw {


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

// A question with buttons, titled with the program's name. Texts are
// cp932; '&' marks a button's mnemonic.
struct Question {
    std::string text;
    std::vector<std::string> buttons;
    int defaultButton = 0;
    int escapeButton = 0;  // what Escape and the close box answer
};

class ModalServices {
public:
    virtual ~ModalServices() = default;

    // Runs one of our own boxes, built and filled in; true when the user
    // accepted it (OK), false for Cancel, Escape and the close box.
    virtual bool RunModal(QDialog& box) = 0;

    virtual FileDialogResult RunFileDialog(const FileDialogRequest& request, QWidget* owner) = 0;

    // A box with one OK button, titled with the program's name; gives 1.
    // text is cp932; icon is one of the kIcon... values (0: none).
    virtual int MessageBox(const std::string& text, int icon, QWidget* owner) = 0;

    // Asks the question; gives the index of the button chosen.
    virtual int Ask(const Question& question, QWidget* owner) = 0;
};

// The real thing: QDialog::exec, a non-native QFileDialog, QMessageBox.
class QtModalServices : public ModalServices {
public:
    bool RunModal(QDialog& box) override;
    FileDialogResult RunFileDialog(const FileDialogRequest& request, QWidget* owner) override;
    int MessageBox(const std::string& text, int icon, QWidget* owner) override;
    int Ask(const Question& question, QWidget* owner) override;
};

}  // namespace kelvor::fw
