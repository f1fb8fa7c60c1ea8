// Building a window from its template: one widget per template entry at the
// pixel rectangle of its dialog-unit rectangle, in template (tab) order.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

#include "app/framework/codec.h"
#include "app/framework/dialog_impl.h"
#include "app/framework/dialog_units.h"
#include "app/framework/drawn_controls.h"

namespace kelvor::fw {

namespace {

using res::ControlKind;
using res::ControlTemplate;

QString Utf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }
// Far beyond any field, so that no text given to an edit is ever cut.
constexpr int kEditMaxLength = 1 << 24;

bool Has(const ControlTemplate& ct, std::uint32_t style) { return (ct.style & style) != 0; }

Qt::Alignment TextAlignment(const ControlTemplate& ct) {
    Qt::Alignment h = Has(ct, res::kAlignRight) ? Qt::AlignRight : Has(ct, res::kAlignCenter) ? Qt::AlignHCenter
                                                                                               : Qt::AlignLeft;
    return h | (Has(ct, res::kCenterVertical) ? Qt::AlignVCenter : Qt::AlignTop);
}

QWidget* MakeEdit(QWidget* parent, const ControlTemplate& ct) {
    auto* edit = Has(ct, res::kAlignRight) ? new NumberEdit(parent) : new QLineEdit(parent);
    edit->setMaxLength(kEditMaxLength);
    edit->setFrame(Has(ct, res::kBorder));
    edit->setReadOnly(Has(ct, res::kReadOnly));
    edit->setAlignment((Has(ct, res::kAlignRight) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return edit;
}

QWidget* MakeCheckBox(QWidget* parent, const ControlTemplate& ct) {
    return new CheckBoxControl(Utf8(ct.text), parent);
}

QWidget* MakeComboBox(QWidget* parent, const ControlTemplate&) {
    auto* box = new DropDownList(parent);
    box->setMaxVisibleItems(30);
    return box;
}

QWidget* MakeListBox(QWidget* parent, const ControlTemplate& ct) {
    auto* list = new ListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setFrameShape(Has(ct, res::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
    list->setVerticalScrollBarPolicy(Has(ct, res::kVScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QWidget* MakePushButton(QWidget* parent, const ControlTemplate& ct) {
    auto* button = new QPushButton(Utf8(ct.text), parent);
    // Enter is the window's business (see DialogWindow), never Qt's default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* MakeLabel(QWidget* parent, const ControlTemplate& ct) {
    auto* label = new QLabel(Utf8(ct.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(TextAlignment(ct));
    label->setWordWrap(true);
    return label;
}

QWidget* MakeGroupBox(QWidget* parent, const ControlTemplate& ct) {
    return new GroupBoxControl(Utf8(ct.text), parent);
}

QWidget* MakeIcon(QWidget* parent, const ControlTemplate& ct) {
    auto* label = new QLabel(parent);
    const int iconId = ct.text ? std::atoi(ct.text) : 0;
    label->setPixmap(IconPixmap(iconId, 32));
    return label;
}

QWidget* MakeFrame(QWidget* parent, const ControlTemplate& ct) {
    auto* frame = new FrameControl(parent);
    if (Has(ct, res::kSunken)) {
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    } else {
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    if (Has(ct, res::kBlackFrame)) {
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::Dark, Qt::black);
        frame->setPalette(palette);
    }
    return frame;
}

template <class C>
std::unique_ptr<Control> Wrap(int id, QWidget* widget) {
    return std::make_unique<C>(id, widget);
}

// What each kind of template entry becomes.
struct KindInfo {
    ControlKind kind;
    QWidget* (*make)(QWidget*, const ControlTemplate&);
    std::unique_ptr<Control> (*wrap)(int, QWidget*);
    bool interactive;  // takes the focus and has no window-menu right-click
};

constexpr KindInfo kKinds[] = {
    {ControlKind::Edit, MakeEdit, Wrap<Edit>, true},
    {ControlKind::CheckBox, MakeCheckBox, Wrap<CheckBox>, true},
    {ControlKind::ComboBox, MakeComboBox, Wrap<ComboBox>, true},
    {ControlKind::ListBox, MakeListBox, Wrap<ListBox>, true},
    {ControlKind::PushButton, MakePushButton, Wrap<Button>, true},
    {ControlKind::Label, MakeLabel, Wrap<Static>, false},
    {ControlKind::GroupBox, MakeGroupBox, Wrap<Static>, false},
    {ControlKind::Icon, MakeIcon, Wrap<Static>, false},
    {ControlKind::Frame, MakeFrame, Wrap<Static>, false},
};

const KindInfo& InfoOf(ControlKind kind) {
    for (const KindInfo& info : kKinds)
        if (info.kind == kind) return info;
    return kKinds[5];  // an unknown kind shows as a label
}

bool HasMnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return true;
        ++i;
    }
    return false;
}

QMenuBar* BuildMenuBar(QWidget* window, const res::MenuTemplate& menu, Dialog::Impl& impl) {
    auto* bar = new QMenuBar(window);
    for (const res::MenuPopupTemplate& popup : menu.popups) {
        QMenu* sub = bar->addMenu(Utf8(popup.text));
        for (const res::MenuItemTemplate& item : popup.items) {
            if (!item.text) {
                sub->addSeparator();
                continue;
            }
            QAction* action = sub->addAction(Utf8(item.text));
            action->setEnabled(!item.grayed);
            const int command = item.command;
            QObject::connect(action, &QAction::triggered, window, [&impl, command] { impl.Dispatch(command); });
        }
    }
    return bar;
}

}  // namespace

void Dialog::Impl::Build() {
    const res::DialogTemplate& t = *dialogTemplate;
    QWidget* parent = owner ? owner->Window() : nullptr;
    auto* w = new DialogWindow(self, parent);
    window = w;

    Qt::WindowFlags flags = (t.taskbarButton || !parent ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (t.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    w->setWindowFlags(flags);
    w->setWindowTitle(Utf8(t.title));
    if (!icon.isNull()) w->setWindowIcon(icon);

    const QFont font = DialogFont(t.fontFace, t.pointSize);
    w->setFont(font);
    const BaseUnits base = BaseUnitsOf(font);

    const res::MenuTemplate* menuTemplate = menu ? menu : (t.menuId ? res::FindMenu(t.menuId) : nullptr);
    QMenuBar* bar = menuTemplate ? BuildMenuBar(w, *menuTemplate, *this) : nullptr;

    client = new ClientArea(self, w);
    QWidget* previousFocusable = nullptr;
    std::vector<QLabel*> labelsWaitingForBuddy;
    std::vector<QWidget*> passives;
    for (const ControlTemplate& ct : t.controls) {
        const KindInfo& info = InfoOf(ct.kind);
        QWidget* widget = info.make(client, ct);
        widget->setGeometry(DialogRectToPixels(base, ct.x, ct.y, ct.cx, ct.cy));
        if (ct.kind == ControlKind::Icon) widget->resize(32, 32);
        // A drop-down list's height in a template may include its list; the
        // closed box is never taller than its own field.
        if (ct.kind == ControlKind::ComboBox)
            widget->resize(widget->width(), std::min(widget->height(), widget->sizeHint().height()));
        widget->setEnabled(!Has(ct, res::kDisabled));
        if (Has(ct, res::kHidden)) widget->hide();

        if (info.interactive) {
            widget->setFocusPolicy(Has(ct, res::kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
            if (ct.kind != ControlKind::Edit) widget->setContextMenuPolicy(Qt::PreventContextMenu);
            if (previousFocusable) QWidget::setTabOrder(previousFocusable, widget);
            previousFocusable = widget;
            for (QLabel* label : labelsWaitingForBuddy) label->setBuddy(widget);
            labelsWaitingForBuddy.clear();
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
            widget->setProperty(kPassiveProperty, true);
            // Labels, group boxes, icons and frames never take a click: it
            // goes to the control beneath, or to the window's background.
            widget->setAttribute(Qt::WA_TransparentForMouseEvents);
            passives.push_back(widget);
            // A label's mnemonic moves the focus to the next control that takes it.
            if (ct.kind == ControlKind::Label && !Has(ct, res::kNoPrefix) && HasMnemonic(Utf8(ct.text)))
                labelsWaitingForBuddy.push_back(static_cast<QLabel*>(widget));
        }
        if (ct.kind == ControlKind::PushButton && Has(ct, res::kDefault) && defaultButton == 0)
            defaultButton = ct.id == -1 ? 0 : ct.id;

        const int id = ct.id;
        if (ct.kind == ControlKind::PushButton)
            QObject::connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, w, [this, id] { Dispatch(id); });
        if (ct.kind == ControlKind::CheckBox)
            QObject::connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, w, [this, id] {
                if (commands.count(id)) Dispatch(id);
            });

        if (id == -1 || controls.count(id)) continue;
        std::unique_ptr<Control> control = info.wrap(id, widget);
        if (ct.kind == ControlKind::Edit) static_cast<Edit&>(*control).SetWindowText(Cp932FromUtf8(ct.text ? ct.text : ""));
        if (auto* list = dynamic_cast<ListBox*>(control.get()))
            list->SetUserSelChangeHandler([this, id] {
                if (auto it = selChanges.find(id); it != selChanges.end()) it->second();
            });
        controls.emplace(id, std::move(control));
    }

    // Templates list the labels and group boxes after the controls, which
    // would stack them on top; they are drawn beneath every control, in
    // template order among themselves.
    QWidget* lowestControl = nullptr;
    for (QObject* child : client->children()) {
        if (child->isWidgetType() && std::find(passives.begin(), passives.end(), child) == passives.end()) {
            lowestControl = static_cast<QWidget*>(child);
            break;
        }
    }
    if (lowestControl)
        for (QWidget* passive : passives) passive->stackUnder(lowestControl);

    const QRect clientRect = DialogRectToPixels(base, 0, 0, t.cx, t.cy);
    const int menuHeight = bar ? bar->sizeHint().height() : 0;
    if (bar) bar->setGeometry(0, 0, clientRect.width(), menuHeight);
    client->setGeometry(0, menuHeight, clientRect.width(), clientRect.height());
    w->setFixedSize(clientRect.width(), clientRect.height() + menuHeight);

    systemMenu = std::make_unique<SystemMenu>(w, t.minimizeBox, [this](unsigned id) {
        DialogWindow::CallOnSysCommand(self, id);
    });
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), w);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, w,
                     [this] { OpenSystemMenu(client->mapToGlobal(QPoint(0, 0))); });
}

}  // namespace kelvor::fw
