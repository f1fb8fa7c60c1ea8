#include <gtest/gtest-spi.h>

#include "tests/support/scripted_modal.h"
#include "tests/app/framework/window_fixture.h"

namespace kelvor::fw::testing {
namespace {

TEST(ScriptedModal, RecordsWhatWasAskedAndAnswersInOrder) {
    test::ScriptedModalServices modal;
    modal.ChooseFile("/games/halvane/weapon.dat").CancelFileDialog().AcceptMessage();
    FileDialogRequest request{true, "title", "/games/", "weapon.dat", "a|*.dat||", 6};
    const FileDialogResult chosen = modal.RunFileDialog(request, nullptr);
    EXPECT_TRUE(chosen.ok);
    EXPECT_EQ(chosen.path, "/games/halvane/weapon.dat");
    EXPECT_EQ(chosen.fileName, "weapon.dat");
    EXPECT_FALSE(modal.RunFileDialog(request, nullptr).ok);
    EXPECT_EQ(modal.MessageBox("text", kIconInformation, nullptr), 1);
    ASSERT_EQ(modal.FileDialogs().size(), 2u);
    EXPECT_EQ(modal.FileDialogs()[0].request.initialFolder, "/games/");
    EXPECT_EQ(modal.FileDialogs()[0].request.flags, 6u);
    ASSERT_EQ(modal.Messages().size(), 1u);
    EXPECT_EQ(modal.Messages()[0].icon, kIconInformation);
}

TEST(ScriptedModal, FailsOnDialogsNobodyExpectedAndOnAnswersLeftOver) {
    EXPECT_NONFATAL_FAILURE(
        {
            test::ScriptedModalServices modal;
            modal.MessageBox("surprise", kIconStop, nullptr);
        },
        "unexpected message box");
    EXPECT_NONFATAL_FAILURE(
        {
            test::ScriptedModalServices modal;
            modal.AcceptMessage();
            modal.RunFileDialog(FileDialogRequest{}, nullptr);
            modal.MessageBox("the answer is still there for this", kIconStop, nullptr);
        },
        "next answer is for a message box");
    EXPECT_NONFATAL_FAILURE(
        {
            test::ScriptedModalServices modal;
            modal.ChooseFile("x");
        },
        "was not used");
}

}  // namespace
}  // namespace kelvor::fw::testing
