// A platform for window tests: scripted modal services, a profile in
// memory and the real file service.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <map>

#include "app/framework/dialog.h"
#include "tests/support/scripted_modal.h"

namespace kelvor::fw::testing {

class MemoryProfile : public Profile {
public:
    std::string GetProfileString(std::string_view section, std::string_view entry, std::string_view def) override {
        auto it = values.find(std::string(section) + "/" + std::string(entry));
        return it == values.end() ? std::string(def) : it->second;
    }
    bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value) override {
        values[std::string(section) + "/" + std::string(entry)] = std::string(value);
        return true;
    }
    fw::Path GetProfilePath(std::string_view section, std::string_view entry, const fw::Path& def) override {
        auto it = paths.find(std::string(section) + "/" + std::string(entry));
        return it == paths.end() ? def : it->second;
    }
    bool WriteProfilePath(std::string_view section, std::string_view entry, const fw::Path& value) override {
        paths[std::string(section) + "/" + std::string(entry)] = value;
        return true;
    }
    std::map<std::string, std::string> values;
    std::map<std::string, fw::Path> paths;
};

class WindowTest : public ::testing::Test {
protected:
    // Shows the window and waits until it has the focus.
    static void ShowActive(Dialog& dialog) {
        ASSERT_TRUE(dialog.Create());
        dialog.Window()->show();
        QApplication::setActiveWindow(dialog.Window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.Window()));
    }
    static int IdOf(Dialog& dialog, QWidget* widget) {
        for (int id = 0; id < 70000; ++id)
            if (dialog.HasControl(id) && dialog.GetDlgItem(id) == widget) return id;
        return 0;
    }

    test::ScriptedModalServices modal;
    MemoryProfile profile;
    FileService files;
    Platform platform{modal, profile, files};
};

}  // namespace kelvor::fw::testing
