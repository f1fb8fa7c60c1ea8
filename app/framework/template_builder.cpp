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

#include "app/framework/app_icon.h"
#include "app/framework/byte_controls.h"
#include "app/framework/choice_list_view.h"
#include "app/framework/codec.h"
#include "app/framework/dialog_units.h"
#include "app/framework/drawn_controls.h"
#include "app/framework/image_frame.h"
#include "res/control_ids.h"

namespace kelvor::fw {

namespace {

using res::ControlKind;
using res::ControlTemplate;

QString Utf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

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
    auto* label = new QLabel(Utf8(ct.text), parent);
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
    case ControlKind::CheckBox: return new CheckBoxControl(Utf8(ct.text), parent);
    case ControlKind::ComboBox: return new ByteList(parent);
    case ControlKind::ListBox: return MakeListBox(parent, ct);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(Utf8(ct.text), parent);
        const bool dialog = enter == EnterKey::DialogDefault;
        button->setAutoDefault(dialog);
        button->setDefault(dialog && Has(ct, res::kDefault));
        return button;
    }
    case ControlKind::GroupBox: return new GroupBoxControl(Utf8(ct.text), parent);
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
    const auto text = [](const char* source) { return QCoreApplication::translate("WindowMenu", source); };
    menu->addAction(text("最小化(&N)"), window, &QWidget::showMinimized)->setEnabled(minimizeBox);
    menu->addAction(text("閉じる(&C)"), window, &QWidget::close);

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
    window->setWindowTitle(Utf8(t.title));
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
            if (ct.kind == ControlKind::Label && !Has(ct, res::kNoPrefix) && HasMnemonic(Utf8(ct.text)))
                labelsWaitingForBuddy.push_back(static_cast<QLabel*>(widget));
        }
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
