#include "app/framework/file_dialog_view.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace kelvor::fw {

namespace {

// The columns of Qt's file list.
enum Column { kName = 0, kSize = 1, kType = 2, kModified = 3 };

// Qt's file list writes sizes and dates in the system's language; these come
// in the program's (the default locale) instead.
class FileDetailsInDefaultLocale : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && (index.column() == kSize || index.column() == kModified)) {
            const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
            const QModelIndex source = mapToSource(index);
            if (files && source.isValid()) {
                if (index.column() == kModified)
                    return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
                if (!files->isDir(source)) return QLocale().formattedDataSize(files->size(source));
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

void ShapeFileDialog(QFileDialog& dialog) {
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setProxyModel(new FileDetailsInDefaultLocale(&dialog));

    const QFontMetrics metrics(dialog.font());
    auto textWidth = [&](const QString& sample) { return metrics.horizontalAdvance(sample) + metrics.height() * 2; };
    const QLocale locale;
    const int size = textWidth(locale.formattedDataSize(1023 * 1024 * 1024));
    const int type = textWidth(QString(12, QChar(0x30A2)));  // twelve wide characters
    const int modified = textWidth(locale.toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59)), QLocale::ShortFormat));
    const int name = metrics.averageCharWidth() * 48;
    if (auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = list->header();
        header->resizeSection(kName, name);
        header->resizeSection(kSize, size);
        header->resizeSection(kType, type);
        header->resizeSection(kModified, modified);
        header->setStretchLastSection(true);
    }
    // The list and the folder side bar beside it, and room for the rest.
    dialog.resize(name + size + type + modified + metrics.averageCharWidth() * 40, metrics.height() * 30);
}

}  // namespace kelvor::fw
