// Modal services for tests: each test queues, in order, the answers to the
// dialogs it expects to be shown; every dialog asked for is recorded. A
// dialog nobody expected, an answer of the wrong kind, or an answer left
// unused when the object goes away fails the test.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/framework/modal.h"

class QDialog;
class QWidget;

namespace kelvor::test {

class ScriptedModalServices : public fw::ModalServices {
public:
    ScriptedModalServices() = default;
    ~ScriptedModalServices() override;  // fails the test for every answer left unused
    ScriptedModalServices(const ScriptedModalServices&) = delete;
    ScriptedModalServices& operator=(const ScriptedModalServices&) = delete;

    // ---- Answers, in the order the dialogs will appear.

    // A file dialog confirmed with this full path.
    ScriptedModalServices& ChooseFile(fw::Path path);
    ScriptedModalServices& CancelFileDialog();
    // A message box, any text and icon; or exactly this text (cp932) and icon.
    ScriptedModalServices& AcceptMessage();
    ScriptedModalServices& AcceptMessage(std::string text, int icon);
    // A question, answered with button `index`; or only this text (cp932).
    ScriptedModalServices& Answer(int index);
    ScriptedModalServices& Answer(std::string text, int index);
    // One of our own boxes: `answer` fills in its controls and presses a
    // button (see Press); the box must have ended when it returns.
    ScriptedModalServices& AnswerBox(std::function<void(QDialog& box)> answer);
    ScriptedModalServices& CancelBox();

    // Clicks button `id` of a box as the user would.
    static void Press(QDialog& box, int id);

    // ---- What was asked.

    struct FileDialogCall {
        fw::FileDialogRequest request;
        QWidget* owner;
    };
    struct MessageCall {
        std::string text;  // cp932
        int icon;
        QWidget* owner;
    };
    struct BoxCall {
        std::string title;  // UTF-8
        QWidget* owner;
    };
    const std::vector<FileDialogCall>& FileDialogs() const { return fileDialogs_; }
    const std::vector<MessageCall>& Messages() const { return messages_; }
    const std::vector<fw::Question>& Questions() const { return questions_; }
    const std::vector<BoxCall>& Boxes() const { return boxes_; }

    std::size_t PendingAnswers() const { return answers_.size(); }
    // Fails the test for every answer not yet used, and forgets them.
    void VerifyAllUsed();

    // ---- fw::ModalServices
    bool RunModal(QDialog& box) override;
    fw::FileDialogResult RunFileDialog(const fw::FileDialogRequest& request, QWidget* owner) override;
    int MessageBox(const std::string& text, int icon, QWidget* owner) override;
    int Ask(const fw::Question& question, QWidget* owner) override;

private:
    struct FileAnswer {
        std::optional<fw::Path> path;  // nullopt: cancel
    };
    struct MessageAnswer {
        std::optional<std::string> text;
        int icon = 0;
    };
    struct BoxAnswer {
        std::function<void(QDialog&)> answer;  // empty: cancel
    };
    struct QuestionAnswer {
        std::optional<std::string> text;
        int index = 0;
    };
    using AnyAnswer = std::variant<FileAnswer, MessageAnswer, BoxAnswer, QuestionAnswer>;

    template <class A>
    std::optional<A> Take(const char* asked);

    std::vector<AnyAnswer> answers_;
    std::vector<FileDialogCall> fileDialogs_;
    std::vector<MessageCall> messages_;
    std::vector<BoxCall> boxes_;
    std::vector<fw::Question> questions_;
};

}  // namespace kelvor::test
