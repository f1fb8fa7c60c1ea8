// The real modal services: Qt's own dialogs and message boxes.
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

#include "app/framework/codec.h"
#include "app/framework/file_dialog_view.h"
#include "app/framework/modal.h"
#include "app/framework/name_filters.h"
#include "app/framework/paths.h"

namespace kelvor::fw {

QStringList NameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i].trimmed();
        if (label.isEmpty()) break;
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        }
        if (label.endsWith(QLatin1Char(')'))) {
            const qsizetype open = label.lastIndexOf(QLatin1Char('('));
            if (open >= 0) label = label.left(open).trimmed();
        }
        result << label + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

namespace {

QMessageBox::Icon IconOf(int icon) {
    switch (icon) {
    case kIconStop: return QMessageBox::Critical;
    case kIconExclamation: return QMessageBox::Warning;
    case kIconInformation: return QMessageBox::Information;
    case 32: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

bool QtModalServices::RunModal(QDialog& box) { return box.exec() == QDialog::Accepted; }

FileDialogResult QtModalServices::RunFileDialog(const FileDialogRequest& request, QWidget* owner) {
    QFileDialog dialog(owner, FromCp932(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ShapeFileDialog(dialog);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (request.flags & kOfnOverwritePrompt) == 0);
    const QStringList filters = NameFilters(FromCp932(request.filter));
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    // A folder that is not there: the dialog starts in the user's home.
    const QString folder = FromPath(request.initialFolder);
    dialog.setDirectory(!folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath());
    if (!request.fileName.empty()) dialog.selectFile(FromPath(request.fileName));

    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
    const QString path = QDir::toNativeSeparators(dialog.selectedFiles().first());
    result.ok = true;
    result.path = ToPath(path);
    result.fileName = ToPath(QFileInfo(path).fileName());
    return result;
}

int QtModalServices::MessageBox(const std::string& text, int icon, QWidget* owner) {
    QMessageBox box(IconOf(icon), QCoreApplication::applicationName(), FromCp932(text), QMessageBox::Ok, owner);
    box.exec();
    return 1;
}

int QtModalServices::Ask(const Question& question, QWidget* owner) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), FromCp932(question.text),
                    QMessageBox::NoButton, owner);
    std::vector<QAbstractButton*> buttons;
    for (std::size_t i = 0; i < question.buttons.size(); ++i) {
        const int index = static_cast<int>(i);
        const QMessageBox::ButtonRole role = index == question.escapeButton ? QMessageBox::RejectRole
                                             : index == 0                   ? QMessageBox::AcceptRole
                                                                            : QMessageBox::DestructiveRole;
        buttons.push_back(box.addButton(FromCp932(question.buttons[i]), role));
    }
    const auto at = [&](int index) { return index >= 0 && index < int(buttons.size()) ? buttons[index] : nullptr; };
    if (auto* button = qobject_cast<QPushButton*>(at(question.defaultButton))) box.setDefaultButton(button);
    box.setEscapeButton(at(question.escapeButton));
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? question.escapeButton : static_cast<int>(chosen - buttons.begin());
}

}  // namespace kelvor::fw
