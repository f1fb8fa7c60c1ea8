// A unit form on the offscreen platform with a temporary profile, scripted
// modal services and the real file service, for window tests.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/framework/codec.h"
#include "app/framework/paths.h"
#include "app/framework/files.h"
#include "app/framework/profile.h"
#include "app/unit_editor_dlg.h"
#include "tests/support/scripted_modal.h"

namespace kelvor::test {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        profilePath_ = fw::ToPath(dir_.filePath(QStringLiteral("profile/Kelvor.conf")));
    }

    void TearDown() override {
        if (dlg_) dlg_->DestroyWindow();
        dlg_.reset();
        modal_.VerifyAllUsed();
    }

    // Creates the window (template built, initialisation run).
    CUnitEditorDlg& Window() {
        if (!dlg_) {
            profile_ = std::make_unique<fw::SettingsProfile>(fw::IniFilePath{profilePath_});
            platform_ = std::make_unique<fw::Platform>(fw::Platform{modal_, *profile_, *files_});
            dlg_ = std::make_unique<CUnitEditorDlg>(*platform_);
            EXPECT_TRUE(dlg_->Create());
        }
        return *dlg_;
    }

    // Shows the window and waits until it has the focus.
    CUnitEditorDlg& ShownWindow() {
        CUnitEditorDlg& dlg = Window();
        dlg.Window()->show();
        QApplication::setActiveWindow(dlg.Window());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dlg.Window()));
        return dlg;
    }

    // A folder setting as another run of the program would read it.
    fw::Path StoredSetting(const char* entry) {
        fw::SettingsProfile fresh(fw::IniFilePath{profilePath_});
        return fresh.GetProfilePath("InitData", entry, "<unset>");
    }

    void StoreSettingBeforeStart(const char* entry, const fw::Path& value) {
        fw::SettingsProfile fresh(fw::IniFilePath{profilePath_});
        fresh.WriteProfilePath("InitData", entry, value);
    }

    // A path inside the test's temporary folder (`relative` is UTF-8).
    fw::Path TempPath(const char* relative) const { return fw::ToPath(dir_.filePath(QString::fromUtf8(relative))); }
    // A folder inside it, ending in the separator; the folder itself for "".
    fw::Path TempFolder(const char* relative = "") const {
        return fw::Subfolder(fw::ToPath(dir_.path()), fw::ToPath(QString::fromUtf8(relative)));
    }

    // Replaces the file service (before Window() is first called).
    void UseFiles(std::unique_ptr<fw::FileService> files) { files_ = std::move(files); }

    QTemporaryDir dir_;
    fw::Path profilePath_;
    ScriptedModalServices modal_;
    std::unique_ptr<fw::FileService> files_ = std::make_unique<fw::FileService>();
    std::unique_ptr<fw::SettingsProfile> profile_;
    std::unique_ptr<fw::Platform> platform_;
    std::unique_ptr<CUnitEditorDlg> dlg_;
};

}  // namespace kelvor::test
