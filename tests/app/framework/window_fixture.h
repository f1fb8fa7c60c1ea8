// Window tests of the window layer on the offscreen platform.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace kelvor::fw::testing {

class WindowTest : public ::testing::Test {
protected:
    // Shows the window and waits until it has the focus.
    static void ShowActive(QWidget& window) {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

}  // namespace kelvor::fw::testing
