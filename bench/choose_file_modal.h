// Modal services for window benchmarks: every file dialog chooses the same
// file; boxes are cancelled and messages accepted without being shown.
#pragma once

#include <string>

#include "app/framework/modal.h"
#include "app/framework/paths.h"

namespace kelvor::bench {

class ChooseFile : public fw::ModalServices {
public:
    explicit ChooseFile(fw::Path path) : path_(std::move(path)) {}
    int RunModal(fw::Dialog&) override { return fw::kIdCancel; }
    fw::FileDialogResult RunFileDialog(const fw::FileDialogRequest&, fw::Dialog*) override {
        return {true, path_, "weapon.dat"};
    }
    int MessageBox(const std::string&, int, fw::Dialog*) override { return fw::kIdOk; }

private:
    fw::Path path_;
};

}  // namespace kelvor::bench
