// The real main window for window benchmarks on the offscreen platform: a
// table written to a temporary folder, a profile of its own, and modal
// services whose every file dialog chooses that table.
#pragma once

#include <QTemporaryDir>

#include <memory>
#include <string>

#include "app/framework/paths.h"
#include "app/framework/platform.h"
#include "app/unit_editor_dlg.h"

namespace kelvor::bench {

// Every file dialog chooses the same file; boxes are cancelled and messages
// accepted without being shown.
class ChooseFile : public fw::ModalServices {
public:
    explicit ChooseFile(fw::Path path) : path_(std::move(path)) {}
    bool RunModal(QDialog&) override { return false; }
    fw::FileDialogResult RunFileDialog(const fw::FileDialogRequest&, QWidget*) override {
        return {true, path_, "weapon.dat"};
    }
    int MessageBox(const std::string&, int, QWidget*) override { return 1; }
    int Ask(const fw::Question& question, QWidget*) override { return question.escapeButton; }

private:
    fw::Path path_;
};

class BenchWindow {
public:
    // Writes `table` as weapon.dat and creates the window; nothing is opened yet.
    explicit BenchWindow(const std::string& table);
    ~BenchWindow();
    CUnitEditorDlg& Dlg() { return *dlg_; }

private:
    QTemporaryDir dir_;
    fw::FileService files_;
    std::unique_ptr<ChooseFile> modal_;
    std::unique_ptr<fw::SettingsProfile> profile_;
    std::unique_ptr<fw::Platform> platform_;
    std::unique_ptr<CUnitEditorDlg> dlg_;
};

}  // namespace kelvor::bench
