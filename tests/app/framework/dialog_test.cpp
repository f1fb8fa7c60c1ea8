#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "app/framework/codec.h"
#include "app/framework/dialog_units.h"
#include "tests/app/framework/test_windows.h"
#include "tests/app/framework/window_fixture.h"

namespace kelvor::fw::testing {
namespace {

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(5, 3, 2), 8);     // 7.5
    EXPECT_EQ(MulDiv(-5, 3, 2), -8);
    EXPECT_EQ(MulDiv(5, -3, 2), -8);
    EXPECT_EQ(MulDiv(7, 6, 4), 11);    // 10.5
    EXPECT_EQ(MulDiv(13, 6, 8), 10);   // 9.75
    EXPECT_EQ(MulDiv(9, 6, 8), 7);     // 6.75
    EXPECT_EQ(MulDiv(5, 6, 8), 4);     // 3.75
    EXPECT_EQ(MulDiv(1, 1, 3), 0);
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);  // no overflow on the way
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

// A box of the template's face and size, from the platform's formula.
BaseUnits Expected(const QFont& font) {
    const QFontMetrics metrics(font);
    return {(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 + 1) / 2,
            metrics.height()};
}

class Windows : public WindowTest {};

TEST_F(Windows, ControlsSitAtTheirConvertedRectanglesInTheTemplateFont) {
    RecordingWindow window(platform);
    ASSERT_TRUE(window.Create());
    const QFont font = window.Window()->font();
    EXPECT_EQ(font.pixelSize(), 12);  // 9 points at 96 dpi
    // The template's face maps to a Japanese family the system has.
    EXPECT_TRUE(FontFamiliesFor(QString::fromUtf8("ＭＳ Ｐゴシック")).contains(QFontInfo(font).family()))
        << QFontInfo(font).family().toStdString();
    EXPECT_TRUE(FontFamiliesFor(QString::fromUtf8("ＭＳ Ｐゴシック")).startsWith(QStringLiteral("MS PGothic")));
    const BaseUnits base = Expected(font);
    ASSERT_GT(base.x, 3);
    ASSERT_GT(base.y, 10);
    for (const res::ControlTemplate& ct : kMainControls) {
        if (ct.id == -1) continue;
        const QRect want(MulDiv(ct.x, base.x, 4), MulDiv(ct.y, base.y, 8), MulDiv(ct.cx, base.x, 4),
                         MulDiv(ct.cy, base.y, 8));
        QWidget* widget = window.GetDlgItem(ct.id);
        if (ct.kind == res::ControlKind::ComboBox) {  // 100 units tall with its list
            EXPECT_EQ(widget->geometry().topLeft(), want.topLeft());
            EXPECT_EQ(widget->width(), want.width());
            EXPECT_LT(widget->height(), 2 * base.y);
        } else {
            EXPECT_EQ(widget->geometry(), want) << ct.id;
        }
    }
    // The client area is the template's size, under the menu bar; the
    // window cannot be resized or maximised.
    QWidget* client = window.GetDlgItem(kName)->parentWidget();
    EXPECT_EQ(client->size(), QSize(MulDiv(330, base.x, 4), MulDiv(150, base.y, 8)));
    EXPECT_GT(client->y(), 0);
    EXPECT_EQ(window.Window()->minimumSize(), window.Window()->maximumSize());
    EXPECT_FALSE(window.Window()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.Window()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.Window()->windowTitle(), QString::fromUtf8("テスト ユニットエディタ"));
}

TEST_F(Windows, TabRunsInTemplateOrderAndOnlyControlsTakeTheFocus) {
    RecordingWindow window(platform);
    ShowActive(window);
    EXPECT_EQ(window.Window()->focusWidget(), window.GetDlgItem(kList));  // the first tab stop
    std::vector<int> order;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(IdOf(window, QApplication::focusWidget()));
    }
    // The hidden, disabled OK button is skipped; after ｷｬﾝｾﾙ the list again.
    EXPECT_EQ(order, (std::vector<int>{kName, kNumber, kSecond, kKind, kFlag, kApply, kIdCancel, kList}));
    for (QWidget* child : window.GetDlgItem(kName)->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (IdOf(window, child) == 0 || child == window.GetDlgItem(kPicture)) {
            EXPECT_EQ(child->focusPolicy(), Qt::NoFocus);
        }
}

TEST_F(Windows, EnterInTheMainKindRunsNoCommandAndEscapeCloses) {
    RecordingWindow window(platform);
    ShowActive(window);
    EXPECT_FALSE(window.GetDlgItem(kIdOk)->isVisible());
    EXPECT_FALSE(window.GetDlgItem(kIdOk)->isEnabled());
    for (int id : {int(kName), int(kFlag), int(kList)}) {
        window.GotoDlgCtrl(id);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    }
    EXPECT_TRUE(window.commands.empty());
    EXPECT_FALSE(window.EndResult());
    for (QPushButton* button : window.Window()->findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
    // Enter on a focused button presses that button.
    window.GotoDlgCtrl(kApply);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window.commands, std::vector<int>{kApply});

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(window.EndResult(), kIdCancel);
    EXPECT_FALSE(window.Window()->isVisible());
}

TEST_F(Windows, EnterPressesOkInTheBoxKindAndEveryWayOutButOkGivesCancel) {
    struct Way {
        const char* name;
        std::function<void(Dialog&)> act;
        int result;
    } ways[] = {
        {"Enter", [](Dialog&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }, kIdOk},
        {"Escape", [](Dialog&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }, kIdCancel},
        {"close box", [](Dialog& d) { d.Window()->close(); }, kIdCancel},
        {"Cancel button", [](Dialog& d) { d.GetButton(kIdCancel).Click(); }, kIdCancel},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        Dialog box(kBox, nullptr, platform);
        ShowActive(box);
        EXPECT_EQ(box.Window()->focusWidget(), box.GetDlgItem(kBoxText));
        EXPECT_FALSE(box.Window()->windowFlags() & Qt::WindowMinimizeButtonHint);
        way.act(box);
        EXPECT_EQ(box.EndResult(), way.result);
        EXPECT_FALSE(box.Window()->isVisible());
    }
}

TEST_F(Windows, MenuEntriesReachTheirCommands) {
    RecordingWindow window(platform);
    ASSERT_TRUE(window.Create());
    auto* bar = window.Window()->findChild<QMenuBar*>();
    ASSERT_TRUE(bar);
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    const QList<QAction*> file = bar->actions()[0]->menu()->actions();
    ASSERT_EQ(file.size(), 4);
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_FALSE(file[2]->isEnabled());  // grayed
    file[0]->trigger();
    bar->actions()[1]->menu()->actions()[0]->trigger();
    EXPECT_EQ(window.commands, (std::vector<int>{kCmdOpen, kCmdSearch}));
}

// A box whose OK takes its edit into a member.
class SearchBox : public Dialog {
public:
    explicit SearchBox(Platform& platform) : Dialog(kBox, nullptr, platform) {}
    std::string text;

protected:
    void DoDataExchange(DataExchange& dx) override { dx.Text(kBoxText, text); }
};

TEST_F(Windows, DoModalRunsTheBoxThroughTheModalServices) {
    SearchBox box(platform);
    modal.AnswerBox([](Dialog& d) {
        d.SetDlgItemText(kBoxText, "tank");
        test::ScriptedModalServices::Press(d, kIdOk);
    });
    EXPECT_EQ(box.DoModal(), kIdOk);
    EXPECT_EQ(box.text, "tank");
    EXPECT_EQ(box.Window(), nullptr);  // destroyed afterwards
    modal.CancelBox();
    EXPECT_EQ(box.DoModal(), kIdCancel);
    ASSERT_EQ(modal.Boxes().size(), 2u);
    EXPECT_EQ(modal.Boxes()[0].templateId, kBox.id);
}

TEST_F(Windows, TheRealModalRunEndsWithTheButtonPressed) {
    QtModalServices real;
    Platform realPlatform{real, profile, files};
    SearchBox box(realPlatform);
    QTimer::singleShot(0, [&box] {
        box.SetDlgItemText(kBoxText, "ship");
        QTest::keyClick(box.GetDlgItem(kBoxText), Qt::Key_Return);
    });
    EXPECT_EQ(box.DoModal(), kIdOk);
    EXPECT_EQ(box.text, "ship");
}

// Also run at a device pixel ratio of 2: the image's pixels are the
// screen's, never scaled, whatever the ratio.
TEST_F(Windows, ThePictureFrameShowsItsImagePixelForPixelInsideItsBorder) {
    RecordingWindow window(platform);
    ShowActive(window);
    QWidget* frame = window.GetDlgItem(kPicture);
    const qreal ratio = frame->devicePixelRatioF();
    const QSize pixels = window.FrameClientPixels(kPicture);
    const QRect inside = static_cast<QFrame*>(frame)->contentsRect();
    ASSERT_EQ(pixels, (QSizeF(inside.size()) * ratio).toSize());

    // A one-pixel checkerboard, with the corners marked.
    QImage image(pixels, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, (x + y) % 2 ? 0xFF000000 : 0xFFFFFFFF);
    image.setPixel(0, 0, 0xFFFF0000);
    image.setPixel(pixels.width() - 1, pixels.height() - 1, 0xFF0000FF);
    window.SetFrameImage(kPicture, image);

    const QImage shown = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint origin = (QPointF(inside.topLeft()) * ratio).toPoint();
    EXPECT_EQ(shown.copy(QRect(origin, pixels)), image);
    EXPECT_NE(shown.pixel(0, 0), 0xFFFF0000u);  // the border stays

    window.SetFrameImage(kPicture, QImage());
    EXPECT_NE(frame->grab().toImage().pixel(origin), 0xFFFF0000u);
}

TEST_F(Windows, TheProgramsTemplatesBuild) {
    Dialog form(res::kIdUnitForm, nullptr, platform);
    ShowActive(form);
    form.SetIcon(res::kIdAppIcon);
    EXPECT_FALSE(form.Window()->windowIcon().isNull());
    EXPECT_EQ(form.Window()->focusWidget(), form.GetDlgItem(1008));
    std::vector<int> order;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(IdOf(form, QApplication::focusWidget()));
    }
    EXPECT_EQ(order, (std::vector<int>{1240, 1011, 1012}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(form.EndResult());

    for (int id : {res::kIdAboutBox, res::kIdSearchBox}) {
        SCOPED_TRACE(id);
        Dialog box(id, nullptr, platform);
        ShowActive(box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(box.EndResult(), kIdOk);
    }
    Dialog about(res::kIdAboutBox, nullptr, platform);
    ASSERT_TRUE(about.Create());
    bool iconShown = false;
    for (QLabel* label : about.Window()->findChildren<QLabel*>())
        iconShown = iconShown || label->pixmap().size() == QSize(32, 32);
    EXPECT_TRUE(iconShown);
}

}  // namespace
}  // namespace kelvor::fw::testing
