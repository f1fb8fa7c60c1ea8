#include "app/framework/template_builder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "app/framework/app_icon.h"
#include "app/framework/byte_controls.h"
#include "app/framework/choice_list_view.h"
#include "app/framework/codec.h"
#include "app/framework/dialog_units.h"
#include "app/framework/drawn_controls.h"
#include "app/framework/image_frame.h"
#include "app/framework/language.h"
#include "res/control_ids.h"

namespace kelvor::fw {

namespace {

using res::ControlKind;
using res::ControlTemplate;

// The translation context of a template's captions and title.
const char* ContextOf(const res::DialogTemplate& t) {
    switch (t.id) {
    case res::kIdUnitForm: return "UnitForm";
    case res::kIdAboutBox: return "AboutBox";
    case res::kIdSearchBox: return "SearchBox";
    default: return "Template";
    }
}

// A caption in the language in use; the template holds its source text.
// A group box's caption is told apart from the same text on a label (補給
// heads both the supply abilities and the weapons' ammunition column).
QString Caption(const char* context, const char* source, bool groupBox = false) {
    return source && *source ? QCoreApplication::translate(context, source, groupBox ? "group box" : nullptr)
                             : QString();
}

// The captions and the title of a window built from a template, named in
// the language in use: when the window is built and at every change of
// language.
struct Captions {
    QWidget* window;
    const char* context;
    const char* title;
    std::vector<std::pair<QWidget*, const char*>> controls;  // with their source text

    void Name() const {
        window->setWindowTitle(Caption(context, title));
        for (const auto& [control, source] : controls) {
            if (auto* group = qobject_cast<QGroupBox*>(control))
                group->setTitle(Caption(context, source, true));
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                button->setText(Caption(context, source));
            else if (auto* label = qobject_cast<QLabel*>(control))
                label->setText(Caption(context, source));
        }
    }
};

bool Has(const ControlTemplate& ct, std::uint32_t style) { return (ct.style & style) != 0; }

Qt::Alignment TextAlignment(const ControlTemplate& ct) {
    Qt::Alignment h = Has(ct, res::kAlignRight) ? Qt::AlignRight : Has(ct, res::kAlignCenter) ? Qt::AlignHCenter
                                                                                               : Qt::AlignLeft;
    return h | (Has(ct, res::kCenterVertical) ? Qt::AlignVCenter : Qt::AlignTop);
}

QWidget* MakeEdit(QWidget* parent, const ControlTemplate& ct) {
    ByteEdit* edit = Has(ct, res::kAlignRight) ? new NumberEdit(parent) : new ByteEdit(parent);
    edit->setFrame(Has(ct, res::kBorder));
    edit->setReadOnly(Has(ct, res::kReadOnly));
    edit->setAlignment((Has(ct, res::kAlignRight) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    edit->setBytes(Cp932FromUtf8(ct.text ? ct.text : ""));
    return edit;
}

QWidget* MakeListBox(QWidget* parent, const ControlTemplate& ct) {
    auto* list = new ChoiceListView(parent);
    list->setFrameShape(Has(ct, res::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
    list->setVerticalScrollBarPolicy(Has(ct, res::kVScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    return list;
}

QWidget* MakeLabel(QWidget* parent, const ControlTemplate& ct) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(TextAlignment(ct));
    label->setWordWrap(true);
    return label;
}

QWidget* MakeIcon(QWidget* parent, const ControlTemplate& ct) {
    auto* label = new QLabel(parent);
    label->setPixmap(IconPixmap(ct.text ? std::atoi(ct.text) : 0, 32));
    return label;
}

QWidget* MakeFrame(QWidget* parent, const ControlTemplate& ct) {
    auto* frame = new ImageFrame(parent);
    frame->setFrameStyle(Has(ct, res::kSunken) ? QFrame::Panel | QFrame::Sunken : QFrame::Box | QFrame::Plain);
    if (Has(ct, res::kBlackFrame)) {
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::Dark, Qt::black);
        frame->setPalette(palette);
    }
    return frame;
}

QWidget* Make(QWidget* parent, const ControlTemplate& ct, EnterKey enter) {
    switch (ct.kind) {
    case ControlKind::Edit: return MakeEdit(parent, ct);
    case ControlKind::CheckBox: return new CheckBoxControl(parent);
    case ControlKind::ComboBox: return new ByteList(parent);
    case ControlKind::ListBox: return MakeListBox(parent, ct);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(parent);
        const bool dialog = enter == EnterKey::DialogDefault;
        button->setAutoDefault(dialog);
        button->setDefault(dialog && Has(ct, res::kDefault));
        return button;
    }
    case ControlKind::GroupBox: return new GroupBoxControl(parent);
    case ControlKind::Icon: return MakeIcon(parent, ct);
    case ControlKind::Frame: return MakeFrame(parent, ct);
    case ControlKind::Label: break;
    }
    return MakeLabel(parent, ct);
}

bool IsInteractive(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::CheckBox || kind == ControlKind::ComboBox ||
           kind == ControlKind::ListBox || kind == ControlKind::PushButton;
}

bool HasMnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return true;
        ++i;
    }
    return false;
}

QMenu* InstallWindowMenu(QWidget* window, QWidget* client, bool minimizeBox) {
    auto* menu = new QMenu(window);
    QAction* minimize = menu->addAction(QString(), window, &QWidget::showMinimized);
    minimize->setEnabled(minimizeBox);
    QAction* close = menu->addAction(QString(), window, &QWidget::close);
    const auto name = [minimize, close] {
        minimize->setText(QCoreApplication::translate("WindowMenu", "最小化(&N)"));
        close->setText(QCoreApplication::translate("WindowMenu", "閉じる(&C)"));
    };
    name();
    WhenLanguageChanges(menu, name);

    client->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(client, &QWidget::customContextMenuRequested, menu,
                     [menu, client](const QPoint& pos) { menu->popup(client->mapToGlobal(pos)); });
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, menu,
                     [menu, client] { menu->popup(client->mapToGlobal(QPoint(0, 0))); });
    return menu;
}

}  // namespace

QString ControlName(int id) { return QStringLiteral("id%1").arg(id); }

TemplateControls BuildTemplateWindow(QWidget* window, QWidget* client, const res::DialogTemplate& t, EnterKey enter) {
    Qt::WindowFlags flags = (t.taskbarButton || !window->parentWidget() ? Qt::Window : Qt::Dialog) |
                            Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (t.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    auto captions = std::make_shared<Captions>(Captions{window, ContextOf(t), t.title, {}});
    const QFont font = DialogFont(t.fontFace, t.pointSize);
    window->setFont(font);
    client->setFont(font);
    const BaseUnits base = BaseUnitsOf(font);

    TemplateControls out;
    QWidget* firstFocus = nullptr;
    QWidget* previousFocusable = nullptr;
    std::vector<QLabel*> labelsWaitingForBuddy;
    std::vector<QWidget*> passives;
    for (const ControlTemplate& ct : t.controls) {
        QWidget* widget = Make(client, ct, enter);
        widget->setGeometry(DialogRectToPixels(base, ct.x, ct.y, ct.cx, ct.cy));
        if (ct.kind == ControlKind::Icon) widget->resize(32, 32);
        // A drop-down list's height in a template may include its list; the
        // closed box is never taller than its own field.
        if (ct.kind == ControlKind::ComboBox)
            widget->resize(widget->width(), std::min(widget->height(), widget->sizeHint().height()));
        widget->setEnabled(!Has(ct, res::kDisabled));
        if (Has(ct, res::kHidden)) widget->hide();

        if (IsInteractive(ct.kind)) {
            widget->setFocusPolicy(Has(ct, res::kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
            // An edit has its own menu; on the other controls a right-click does nothing.
            if (ct.kind != ControlKind::Edit) widget->setContextMenuPolicy(Qt::PreventContextMenu);
            if (previousFocusable) QWidget::setTabOrder(previousFocusable, widget);
            previousFocusable = widget;
            for (QLabel* label : labelsWaitingForBuddy) label->setBuddy(widget);
            labelsWaitingForBuddy.clear();
            if (!firstFocus && Has(ct, res::kTabStop) && !Has(ct, res::kDisabled | res::kHidden)) firstFocus = widget;
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
            // Labels, group boxes, icons and frames never take a click: it
            // goes to the control beneath, or to the window's background.
            widget->setAttribute(Qt::WA_TransparentForMouseEvents);
            passives.push_back(widget);
            // A label's mnemonic moves the focus to the next control that takes it.
            if (ct.kind == ControlKind::Label && !Has(ct, res::kNoPrefix) && HasMnemonic(Caption(ContextOf(t), ct.text)))
                labelsWaitingForBuddy.push_back(static_cast<QLabel*>(widget));
        }
        if (ct.kind != ControlKind::Edit && ct.kind != ControlKind::Icon) captions->controls.emplace_back(widget, ct.text);
        if (ct.id != -1 && !out.byId.count(ct.id)) {
            widget->setObjectName(ControlName(ct.id));
            out.byId.emplace(ct.id, widget);
        }
    }

    // Templates list the labels and group boxes after the controls, which
    // would stack them on top; they are drawn beneath every control, in
    // template order among themselves.
    const auto lowest = std::find_if(client->children().begin(), client->children().end(), [&](QObject* child) {
        return child->isWidgetType() && std::find(passives.begin(), passives.end(), child) == passives.end();
    });
    if (lowest != client->children().end())
        for (QWidget* passive : passives) passive->stackUnder(static_cast<QWidget*>(*lowest));

    captions->Name();
    WhenLanguageChanges(window, [captions] { captions->Name(); });
    out.clientSize = DialogRectToPixels(base, 0, 0, t.cx, t.cy).size();
    client->setFixedSize(out.clientSize);
    out.windowMenu = InstallWindowMenu(window, client, t.minimizeBox);
    if (firstFocus) {
        firstFocus->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(firstFocus)) edit->selectAll();
    }
    return out;
}

TemplateControls BuildTemplateBox(QDialog* box, const res::DialogTemplate& t) {
    auto* client = new QWidget(box);
    TemplateControls controls = BuildTemplateWindow(box, client, t, EnterKey::DialogDefault);
    box->setFixedSize(controls.clientSize);
    if (auto* ok = FindControl<QPushButton>(client, res::kIdOk))
        QObject::connect(ok, &QPushButton::clicked, box, &QDialog::accept);
    if (auto* cancel = FindControl<QPushButton>(client, res::kIdCancel))
        QObject::connect(cancel, &QPushButton::clicked, box, &QDialog::reject);
    return controls;
}

}  // namespace kelvor::fw
