#include "app/unit_editor_dlg.h"

#include "app/form/field_hints.h"

#include <QCloseEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QStatusBar>
#include <QUndoStack>

#include "app/about_dlg.h"
#include "app/default_folders.h"
#include "app/form/form_exchange.h"
#include "app/form/unit_list_model.h"
#include "app/framework/app_icon.h"
#include "app/framework/choice_list_view.h"
#include "app/framework/codec.h"
#include "res/control_ids.h"
#include "res/unit_form_template.h"

namespace kelvor {

namespace {

constexpr const char* kSection = "InitData";

}  // namespace

CUnitEditorDlg::CUnitEditorDlg(fw::Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_recent(platform.profile) {
    setWindowIcon(fw::IconFromResource(res::kIdAppIcon));
    m_undo = new QUndoStack(this);
    // The title's marker: changes since the table was opened or saved.
    connect(m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    auto* client = new QWidget(this);
    m_controls = fw::BuildTemplateWindow(this, client, res::UnitFormTemplate(), fw::EnterKey::FocusedButtonOnly);
    m_widgets = form::BindFormWidgets(m_controls);
    form::SetFieldHints(m_widgets);
    setCentralWidget(client);
    BuildMenus();
    // The status line says what the panel could not show, and why.
    // It is as high as the menu bar, so that the form sits between two bars
    // of one height.
    statusBar()->setSizeGripEnabled(false);
    const int bar = menuBar()->sizeHint().height();
    statusBar()->setFixedHeight(bar);
    setFixedSize(m_controls.clientSize.width(), m_controls.clientSize.height() + 2 * bar);

    // Files dragged from a file manager open (or import) wherever they land.
    setAcceptDrops(true);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

    // The window menu, with the About entry at its end.
    m_windowMenu = m_controls.windowMenu;
    m_windowMenu->addSeparator();
    QAction* about = m_windowMenu->addAction(QString(), this, &CUnitEditorDlg::OnAbout);
    const auto nameAbout = [about] {
        about->setText(QCoreApplication::translate("Strings", res::FindString(res::kIdAboutEntry).data()));
    };
    nameAbout();
    fw::WhenLanguageChanges(this, nameAbout);

    m_unitModel = new form::UnitListModel(m_units, this);
    if (m_widgets.unitList) {
        m_widgets.unitList->setModel(m_unitModel);
        m_widgets.unitList->watchSelection();
    }
    ConnectControls();

    // The three folder settings.
    const DefaultFolders defaults = GetDefaultFolders();
    fw::Profile& profile = m_platform.profile;
    m_pathSystemBitmapDir = profile.GetProfilePath(kSection, "SystemBitmapDir", defaults.systemBitmaps);
    m_pathUnitBitmapDir = profile.GetProfilePath(kSection, "UnitBitmapDir", defaults.unitBitmaps);
    m_pathLastDir = profile.GetProfilePath(kSection, "LastDir", defaults.game);
    m_pathUnitFileDir = profile.GetProfilePath(kSection, "UnitFileDir", fw::Path());

    // The file name the file dialogs offer first.
    m_pathFileName = "weapon.dat";

    // The movement-class lists, every box showing its member, a black panel.
    form::FillMovementClassLists(m_widgets);
    form::ShowMembers(m_widgets, m_form);
    DrawPicturePanel();
    UpdateTitle();
}

CUnitEditorDlg::~CUnitEditorDlg() = default;

// Built anew at each change of language: the menus built before go once
// their own events are done (a language may be chosen from one of them).
void CUnitEditorDlg::BuildMenus() {
    for (QMenu* old : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) old->deleteLater();
    menuBar()->clear();

    QMenu* file = menuBar()->addMenu(tr("ﾌｧｲﾙ(&F)"));
    file->addAction(tr("開く(&O)..."), this, &CUnitEditorDlg::OnFileOpen)->setShortcut(QKeySequence::Open);
    file->addAction(tr("上書き保存(&W)"), this, &CUnitEditorDlg::OnFileSave)->setShortcut(QKeySequence::Save);
    file->addAction(tr("名前を付けて保存(&S)..."), this, &CUnitEditorDlg::OnFileSaveAs)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_recentMenu = file->addMenu(tr("最近使ったファイル(&R)"));
    // Filled as it opens: the start looks at no file of the list.
    connect(m_recentMenu, &QMenu::aboutToShow, this, &CUnitEditorDlg::FillRecentMenu);
    file->addSeparator();
    file->addAction(tr("単体データの読み込み(&I)..."), this, &CUnitEditorDlg::OnImportUnit)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    // Many files at once are imported with the command-line tool.
    file->addAction(tr("一括読み込み(&B)..."))->setEnabled(false);
    file->addAction(tr("単体データの書き出し(&E)..."), this, &CUnitEditorDlg::OnExportUnit)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    QMenu* edit = menuBar()->addMenu(tr("編集(&E)"));
    // The entries name the step they undo or redo.
    QAction* undo = edit->addAction(tr("元に戻す(&U)"), this, &CUnitEditorDlg::OnUndo);
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = edit->addAction(tr("やり直し(&R)"), this, &CUnitEditorDlg::OnRedo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const auto follow = [this](QAction* action, const QString& step, bool can, auto textChanged, auto canChanged) {
        const auto name = [verb = action->text()](const QString& step) {
            return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
        };
        action->setText(name(step));
        action->setEnabled(can);
        connect(m_undo, textChanged, action, [action, name](const QString& step) { action->setText(name(step)); });
        connect(m_undo, canChanged, action, &QAction::setEnabled);
    };
    follow(undo, m_undo->undoText(), m_undo->canUndo(), &QUndoStack::undoTextChanged, &QUndoStack::canUndoChanged);
    follow(redo, m_undo->redoText(), m_undo->canRedo(), &QUndoStack::redoTextChanged, &QUndoStack::canRedoChanged);
    edit->addSeparator();
    edit->addAction(tr("検索(&S)..."), this, &CUnitEditorDlg::OnSearch)->setShortcut(QKeySequence::Find);
    edit->addAction(tr("次を検索(&N)"), this, &CUnitEditorDlg::OnSearchAgain)->setShortcut(QKeySequence(Qt::Key_F3));

    BuildLanguageMenu(menuBar()->addMenu(tr("表示(&V)"))->addMenu(tr("言語(&L)")));

    QMenu* help = menuBar()->addMenu(tr("ヘルプ(&H)"));
    help->addAction(tr("バージョン情報(&A)..."), this, &CUnitEditorDlg::OnAbout);
}

void CUnitEditorDlg::ConnectControls() {
    const auto onClick = [this](int id, void (CUnitEditorDlg::*command)()) {
        if (auto* button = qobject_cast<QPushButton*>(Control(id)))
            connect(button, &QPushButton::clicked, this, command);
    };
    onClick(res::kIdApply, &CUnitEditorDlg::OnApply);
    onClick(res::kIdJumpTransform, &CUnitEditorDlg::OnJumpTransform);
    onClick(res::kIdJumpMi, &CUnitEditorDlg::OnJumpMi);
    if (auto* cancel = qobject_cast<QPushButton*>(Control(res::kIdCancel)))
        connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    if (m_widgets.unitList)
        connect(m_widgets.unitList, &fw::ChoiceListView::userChose, this, &CUnitEditorDlg::OnSelchangeUnitList);
}

QWidget* CUnitEditorDlg::Control(int id) const {
    const auto it = m_controls.byId.find(id);
    return it == m_controls.byId.end() ? nullptr : it->second;
}

void CUnitEditorDlg::UpdateTitle() {
    const QString program = QCoreApplication::translate("UnitForm", res::UnitFormTemplate().title);
    setWindowTitle(m_bTableLoaded ? tr("%1[*] - %2").arg(fw::FromPath(m_pathFileName), program)
                                  : program + QStringLiteral("[*]"));
}

void CUnitEditorDlg::OnAbout() {
    CAboutDlg about(this);
    m_platform.modal.RunModal(about);
}

void CUnitEditorDlg::closeEvent(QCloseEvent* event) {
    if (MayLeaveTable())
        event->accept();
    else
        event->ignore();
}

void CUnitEditorDlg::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && mods == Qt::NoModifier) {
        // Enter presses a focused push button and runs nothing else.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        close();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// The menu bar gives the keyboard focus back to the control that had it when
// its menus are left, but not after every way of leaving them (a second
// menu opened with its Alt key after Escape closed the first): there it kept
// the focus with nothing of it active, took letters for its menus and
// swallowed Escape. A key it was given that leaves it so hands the focus back.
void CUnitEditorDlg::AfterMenuBarKey() {
    QTimer::singleShot(0, this, [this] {
        if (!menuBar()->hasFocus() || menuBar()->activeAction() || QApplication::activePopupWidget()) return;
        // The form remembers its control that had the focus last.
        QWidget* control = centralWidget()->focusWidget();
        (control ? control : centralWidget())->setFocus(Qt::MenuBarFocusReason);
    });
}

void CUnitEditorDlg::StoreFolderSetting(const char* entry, fw::Path& member, const fw::Path& value) {
    member = value;
    m_platform.profile.WriteProfilePath(kSection, entry, value);
}

}  // namespace kelvor
