#include "app/unitfile/unit_file_commands.h"

#include <QCoreApplication>

#include "app/framework/codec.h"
#include "app/framework/files.h"
#include "app/framework/language.h"
#include "app/framework/platform.h"
#include "table/unit_index.h"
#include "unitfile/import_messages.h"
#include "unitfile/unit_file_format.h"

namespace kelvor::unitfile {

namespace {

constexpr const char* kDialogTitle = QT_TRANSLATE_NOOP("FileDialogs", "兵器データファイルの選択");
constexpr const char* kExportFilter = QT_TRANSLATE_NOOP("FileDialogs", "ﾕﾆｯﾄﾌｧｲﾙ (*.kmv)|*.kmv|全てのﾌｧｲﾙ (*.*)|*.*||");
constexpr const char* kImportFilter = QT_TRANSLATE_NOOP("FileDialogs", "ﾃﾞｰﾀﾌｧｲﾙ (*.kmv)|*.kmv|全てのﾌｧｲﾙ (*.*)|*.*||");

fw::FileDialogRequest UnitFileDialog(bool open, const char* filter, const fw::Path& folder,
                                     const fw::Path& fileName) {
    // Both hide the read-only box; only the save dialog asks before replacing.
    return {open, fw::TranslatedCp932("FileDialogs", kDialogTitle), folder, fileName,
            fw::TranslatedCp932("FileDialogs", filter), fw::kOfnHideReadOnly | (open ? 0u : fw::kOfnOverwritePrompt)};
}

void Tell(UnitForm& form, const QString& text) {
    form.platform.modal.MessageBox(fw::ToCp932(text), fw::kIconStop, form.owner);
}

QString Translated(const char* source) { return QCoreApplication::translate("UnitFile", source); }

}  // namespace

int ExportUnitFile(UnitForm& form) {
    if (form.shownRow < 0) return 0;  // a table without unit lines shows none
    const int lineNumber = form.units.LineNumber(form.shownRow);

    // The record as last shown or applied; edits not applied are not in it.
    std::string text;
    if (!ComposeUnitFile(lineNumber, form.record, text)) {
        Tell(form, Translated(QT_TRANSLATE_NOOP("UnitFile",
                                                "ユニットの項目に「,」や改行文字があるため、単体データを書き出せません。")));
        return 0;
    }
    // A file its own import would refuse is not written: a short line shows
    // its missing fields empty until an Apply writes the line whole.
    const ImportCheck check = CheckUnitFile(UnitFileLine(text), form.table);
    if (!check.ok()) {
        Tell(form, QString::fromUtf8(ExportProblemText(check, fw::LanguageInUse())));
        return 0;
    }

    fw::Platform& platform = form.platform;
    // The offered name is plain ASCII: it reads the same as a path anywhere.
    const fw::Path offered(UnitFileName(lineNumber - 2));
    const fw::FileDialogResult chosen =
        platform.modal.RunFileDialog(UnitFileDialog(false, kExportFilter, form.lastDir, offered), form.owner);
    if (!chosen.ok) return 0;
    form.storeLastDir(fw::FolderOf(chosen.path));

    fw::SaveError failure;
    if (!platform.files.ReplaceFileSafely(chosen.path, text, fw::Path(), &failure)) {
        if (failure.kind == fw::SaveError::Kind::Open)
            fw::ReportOpenFailed(platform.modal, form.owner, chosen.path, failure.systemError);
        else
            fw::ReportFileError(platform.modal, form.owner, failure.path, failure.systemError);
        return 0;
    }
    return 1;
}

int ImportUnitFile(UnitForm& form) {
    const fw::FileDialogResult chosen =
        form.platform.modal.RunFileDialog(UnitFileDialog(true, kImportFilter, form.lastDir, fw::Path()), form.owner);
    if (!chosen.ok) return 0;
    return ImportUnitFileAt(form, chosen.path);
}

int ImportUnitFileAt(UnitForm& form, const fw::Path& path) {
    fw::Platform& platform = form.platform;
    form.storeLastDir(fw::FolderOf(path));

    std::string firstLine;
    std::string error;
    if (!platform.files.ReadFirstLine(path, firstLine, &error)) {
        fw::ReportOpenFailed(platform.modal, form.owner, path, error);
        return 0;
    }

    // Every check before any change: a refused file leaves the table, the
    // list and the form exactly as they were.
    const ImportCheck check = CheckUnitFile(UnitFileLine(firstLine), form.table);
    if (!check.ok()) {
        Tell(form, QString::fromUtf8(ImportProblemText(check, fw::LanguageInUse())));
        return 0;
    }
    if (!form.replaceLine(check.lineNumber, std::string(check.unitLine))) {
        Tell(form, Translated(QT_TRANSLATE_NOOP("UnitFile", "メモリが足りないため、単体データを表に入れられません。")));
        return 0;
    }

    // The unit shown, and its list entry renewed in place with the name just read.
    const int row = form.units.RowOfLine(check.lineNumber);
    if (row >= 0) {
        form.selectUnit(row);
        form.renameRow(row, form.record[0]);
    }
    return 1;
}

}  // namespace kelvor::unitfile
