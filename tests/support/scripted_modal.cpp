#include "tests/support/scripted_modal.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>

#include "app/framework/codec.h"
#include "app/framework/template_builder.h"

namespace kelvor::test {

namespace {

const char* KindName(std::size_t index) {
    static const char* const kNames[] = {"a file dialog", "a message box", "a box", "a question"};
    return kNames[index];
}

}  // namespace

ScriptedModalServices::~ScriptedModalServices() { VerifyAllUsed(); }

ScriptedModalServices& ScriptedModalServices::ChooseFile(fw::Path path) {
    answers_.emplace_back(FileAnswer{std::move(path)});
    return *this;
}

ScriptedModalServices& ScriptedModalServices::CancelFileDialog() {
    answers_.emplace_back(FileAnswer{std::nullopt});
    return *this;
}

ScriptedModalServices& ScriptedModalServices::AcceptMessage() {
    answers_.emplace_back(MessageAnswer{std::nullopt, 0});
    return *this;
}

ScriptedModalServices& ScriptedModalServices::AcceptMessage(std::string text, int icon) {
    answers_.emplace_back(MessageAnswer{std::move(text), icon});
    return *this;
}

ScriptedModalServices& ScriptedModalServices::Answer(int index) {
    answers_.emplace_back(QuestionAnswer{std::nullopt, index});
    return *this;
}

ScriptedModalServices& ScriptedModalServices::Answer(std::string text, int index) {
    answers_.emplace_back(QuestionAnswer{std::move(text), index});
    return *this;
}

ScriptedModalServices& ScriptedModalServices::AnswerBox(std::function<void(QDialog&)> answer) {
    answers_.emplace_back(BoxAnswer{std::move(answer)});
    return *this;
}

ScriptedModalServices& ScriptedModalServices::CancelBox() {
    answers_.emplace_back(BoxAnswer{});
    return *this;
}

void ScriptedModalServices::Press(QDialog& box, int id) {
    auto* button = fw::FindControl<QPushButton>(&box, id);
    if (!button) {
        ADD_FAILURE() << "the box has no button " << id;
        return;
    }
    button->click();
}

void ScriptedModalServices::VerifyAllUsed() {
    for (const AnyAnswer& answer : answers_) ADD_FAILURE() << "an answer for " << KindName(answer.index()) << " was not used";
    answers_.clear();
}

template <class A>
std::optional<A> ScriptedModalServices::Take(const char* asked) {
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected " << asked;
        return std::nullopt;
    }
    if (!std::holds_alternative<A>(answers_.front())) {
        ADD_FAILURE() << "asked for " << asked << " while the next answer is for "
                      << KindName(answers_.front().index());
        return std::nullopt;
    }
    A answer = std::get<A>(std::move(answers_.front()));
    answers_.erase(answers_.begin());
    return answer;
}

bool ScriptedModalServices::RunModal(QDialog& box) {
    boxes_.push_back({box.windowTitle().toStdString(), box.parentWidget()});
    const std::optional<BoxAnswer> answer = Take<BoxAnswer>("box");
    if (!answer || !answer->answer) return false;
    bool ended = false;
    QObject::connect(&box, &QDialog::finished, &box, [&ended] { ended = true; });
    answer->answer(box);
    if (!ended) ADD_FAILURE() << "box " << box.windowTitle().toStdString() << " is still open after its answer";
    return ended && box.result() == QDialog::Accepted;
}

fw::FileDialogResult ScriptedModalServices::RunFileDialog(const fw::FileDialogRequest& request, QWidget* owner) {
    fileDialogs_.push_back({request, owner});
    fw::FileDialogResult result;
    const std::optional<FileAnswer> answer = Take<FileAnswer>("file dialog");
    if (!answer || !answer->path) return result;
    result.ok = true;
    result.path = *answer->path;
    result.fileName = result.path.filename();
    return result;
}

int ScriptedModalServices::MessageBox(const std::string& text, int icon, QWidget* owner) {
    messages_.push_back({text, icon, owner});
    const std::optional<MessageAnswer> answer = Take<MessageAnswer>("message box");
    if (answer && answer->text) {
        EXPECT_EQ(fw::Utf8FromCp932(*answer->text), fw::Utf8FromCp932(text)) << "message text";
        EXPECT_EQ(answer->icon, icon) << "message icon";
    }
    return 1;
}

int ScriptedModalServices::Ask(const fw::Question& question, QWidget*) {
    questions_.push_back(question);
    const std::optional<QuestionAnswer> answer = Take<QuestionAnswer>("question");
    if (!answer) return question.escapeButton;
    if (answer->text) {
        EXPECT_EQ(fw::Utf8FromCp932(*answer->text), fw::Utf8FromCp932(question.text)) << "question text";
    }
    return answer->index;
}

}  // namespace kelvor::test
