// The mouse in the program's three windows, built from their templates:
// clicks go through the window as the platform delivers them, so whatever
// is stacked at a point decides who gets the click.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QWindow>

#include "app/framework/byte_controls.h"
#include "app/framework/dialog_units.h"
#include "res/unit_form_template.h"
#include "tests/app/framework/test_windows.h"
#include "tests/app/framework/window_fixture.h"

namespace kelvor::fw::testing {
namespace {

using res::ControlKind;

bool IsInteractive(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::CheckBox || kind == ControlKind::ComboBox ||
           kind == ControlKind::ListBox || kind == ControlKind::PushButton;
}

class Mouse : public WindowTest {
protected:
    static QWindow* Handle(QWidget* widget) { return widget->window()->windowHandle(); }
    static QPoint InWindow(QWidget* widget, QPoint at) { return widget->mapTo(widget->window(), at); }
    static void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseMove(Handle(widget), InWindow(widget, at));
        QTest::mouseClick(Handle(widget), button, {}, InWindow(widget, at));
    }
    static bool IsOrIsInside(QWidget* hit, QWidget* control) {
        return hit && (hit == control || control->isAncestorOf(hit));
    }
    // The client area, and where a template entry lies in it.
    static QWidget* Client(TemplateWindow& window) { return window.client; }
    static QRect PixelRect(TemplateWindow& window, const res::ControlTemplate& ct) {
        return DialogRectToPixels(BaseUnitsOf(window.client->font()), ct.x, ct.y, ct.cx, ct.cy);
    }
};

TEST_F(Mouse, AClickAtEachControlsCentreReachesThatControl) {
    for (const res::DialogTemplate* t : {&res::UnitFormTemplate(), &res::AboutBoxTemplate(), &res::SearchBoxTemplate()}) {
        SCOPED_TRACE(t->id);
        TemplateWindow window(*t);
        ShowActive(window);
        QWidget* top = &window;
        const std::vector<std::string> items{"A", "B", "C"};
        int clicked = 0;
        for (const res::ControlTemplate& ct : window.Template().controls) {
            if (!IsInteractive(ct.kind)) {
                // A label, group box, icon or frame: the point is the
                // background's or a control's, never the static's.
                QWidget* client = Client(window);
                QWidget* hit = top->childAt(InWindow(client, PixelRect(window, ct).center()));
                bool ok = hit == client;
                for (const res::ControlTemplate& other : window.Template().controls)
                    if (IsInteractive(other.kind)) ok = ok || IsOrIsInside(hit, window.Item(other.id));
                EXPECT_TRUE(ok) << "the static at " << ct.x << "," << ct.y << " takes a click";
                continue;
            }
            QWidget* control = window.Item(ct.id);
            const QPoint centre = control->rect().center();
            if (!control->isVisible() || !control->isEnabled()) continue;
            SCOPED_TRACE(ct.id);
            ASSERT_TRUE(IsOrIsInside(top->childAt(InWindow(control, centre)), control));
            ++clicked;
            switch (ct.kind) {
            case ControlKind::Edit: {
                Click(control, centre);
                ASSERT_EQ(QApplication::focusWidget(), control);
                QTest::keyClick(Handle(control), Qt::Key_7);
                EXPECT_EQ(static_cast<ByteEdit*>(control)->bytes(), (ct.style & res::kReadOnly) ? "" : "7");
                break;
            }
            case ControlKind::CheckBox:
                Click(control, centre);
                EXPECT_TRUE(static_cast<QAbstractButton*>(control)->isChecked());
                EXPECT_EQ(QApplication::focusWidget(), control);
                break;
            case ControlKind::ComboBox: {
                auto& list = *static_cast<ByteList*>(control);
                for (const std::string& item : items) list.addBytes(item);
                Click(control, centre);
                QAbstractItemView* view = static_cast<QComboBox*>(control)->view();
                ASSERT_TRUE(view->isVisible());
                // The popup is a window of its own; choose the last item.
                const QRect last = view->visualRect(view->model()->index(2, 0));
                Click(view->viewport(), QPoint(view->viewport()->width() / 2, last.center().y()));
                EXPECT_FALSE(view->isVisible());
                EXPECT_EQ(list.currentIndex(), 2);
                break;
            }
            case ControlKind::ListBox: {
                auto* list = static_cast<ChoiceListView*>(control);
                Click(list->viewport(), list->visualRect(list->model()->index(1, 0)).center());
                EXPECT_EQ(list->selectedRow(), 1);
                EXPECT_EQ(window.chosen, std::vector<int>{1});
                break;
            }
            case ControlKind::PushButton:
                Click(control, centre);
                ASSERT_FALSE(window.pressed.empty());
                EXPECT_EQ(window.pressed.back(), ct.id);
                break;
            default:
                break;
            }
        }
        EXPECT_GT(clicked, 0);
        if (t->id == res::kIdUnitForm) {
            EXPECT_EQ(clicked, 199);  // all but the hidden OK
        }
        EXPECT_TRUE(window.isVisible());
    }
}

TEST_F(Mouse, ARightClickGivesAnEditItsOwnMenuAndTheBackgroundTheWindowMenu) {
    TemplateWindow window(res::UnitFormTemplate());
    ShowActive(window);
    QMenu* windowMenu = window.menu;
    auto popup = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };

    QWidget* edit = window.Item(1011);
    Click(edit, edit->rect().center(), Qt::RightButton);
    ASSERT_TRUE(popup());
    EXPECT_NE(popup(), windowMenu);
    EXPECT_EQ(popup()->parentWidget(), edit);
    popup()->close();

    // Every label, group box and the picture frame is background, wherever
    // no control lies over it.
    int background = 0;
    QWidget* client = Client(window);
    for (const res::ControlTemplate& ct : window.Template().controls) {
        if (IsInteractive(ct.kind)) continue;
        const QPoint centre = PixelRect(window, ct).center();
        if (window.childAt(InWindow(client, centre)) != client) continue;  // a control lies over it
        SCOPED_TRACE(::testing::Message() << "static at " << ct.x << "," << ct.y);
        Click(client, centre, Qt::RightButton);
        ASSERT_EQ(popup(), windowMenu);
        windowMenu->hide();
        ++background;
    }
    EXPECT_GT(background, 40);
}

}  // namespace
}  // namespace kelvor::fw::testing
