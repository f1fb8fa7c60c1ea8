// Windows built from templates: where the controls stand, the font, the tab
// order, what Enter and Escape do, the window menu and the picture frame.
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

#include "app/framework/dialog_units.h"
#include "app/framework/image_frame.h"
#include "res/unit_form_template.h"
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
    EXPECT_EQ(MulDiv(1, 1, 3), 0);
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);  // no overflow on the way
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

class Windows : public WindowTest {};

TEST_F(Windows, ControlsSitAtTheirConvertedRectanglesInTheTemplateFont) {
    TemplateWindow window(kMainWindow);
    const QFont font = window.client->font();
    EXPECT_EQ(font.pixelSize(), 12);  // 9 points at 96 dpi
    // The template's face maps to a Japanese family the system has.
    EXPECT_TRUE(FontFamiliesFor(QString::fromUtf8("ＭＳ Ｐゴシック")).contains(QFontInfo(font).family()))
        << QFontInfo(font).family().toStdString();
    EXPECT_TRUE(FontFamiliesFor(QString::fromUtf8("ＭＳ Ｐゴシック")).startsWith(QStringLiteral("MS PGothic")));
    // The platform's formula: the average width of the 52 letters, the height.
    const QFontMetrics metrics(font);
    const BaseUnits base{
        (metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 + 1) / 2,
        metrics.height()};
    ASSERT_GT(base.x, 3);
    for (const res::ControlTemplate& ct : kMainControls) {
        if (ct.id == -1) continue;
        const QRect want(MulDiv(ct.x, base.x, 4), MulDiv(ct.y, base.y, 8), MulDiv(ct.cx, base.x, 4),
                         MulDiv(ct.cy, base.y, 8));
        QWidget* widget = window.Item(ct.id);
        ASSERT_NE(widget, nullptr) << ct.id;
        if (ct.kind == res::ControlKind::ComboBox) {  // 100 units tall with its list
            EXPECT_EQ(widget->geometry().topLeft(), want.topLeft());
            EXPECT_EQ(widget->width(), want.width());
            EXPECT_LT(widget->height(), 2 * base.y);
        } else {
            EXPECT_EQ(widget->geometry(), want) << ct.id;
        }
    }
    EXPECT_EQ(window.controls.clientSize, QSize(MulDiv(330, base.x, 4), MulDiv(150, base.y, 8)));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("テスト ユニットエディタ"));
}

TEST_F(Windows, TabRunsInTemplateOrderAndOnlyControlsTakeTheFocus) {
    TemplateWindow window(kMainWindow);
    ShowActive(window);
    EXPECT_EQ(window.focusWidget(), window.Item(kList));  // the first tab stop
    std::vector<int> order;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(window.IdOf(QApplication::focusWidget()));
    }
    // The hidden, disabled OK button is skipped; after ｷｬﾝｾﾙ the list again.
    EXPECT_EQ(order, (std::vector<int>{kName, kNumber, kSecond, kKind, kFlag, kApply, kIdCancel, kList}));
    for (QWidget* child : window.client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (window.IdOf(child) == 0 || child == window.Item(kPicture)) {
            EXPECT_EQ(child->focusPolicy(), Qt::NoFocus);
        }
}

TEST_F(Windows, InABoxEnterPressesOkOrTheFocusedButtonAndEveryOtherWayOutCancels) {
    struct Way {
        const char* name;
        std::function<void(QDialog&)> act;
        bool accepted;
    } ways[] = {
        {"Enter", [](QDialog&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }, true},
        {"Enter on ｷｬﾝｾﾙ",
         [](QDialog& box) {
             QWidget* cancel = FindControl(&box, kIdCancel);
             cancel->setFocus();
             QTest::keyClick(cancel, Qt::Key_Return);
         },
         false},
        {"Escape", [](QDialog&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }, false},
        {"close box", [](QDialog& box) { box.close(); }, false},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        QDialog box;
        BuildTemplateBox(&box, kBox);
        ShowActive(box);
        EXPECT_EQ(box.focusWidget(), FindControl(&box, kBoxText));
        EXPECT_FALSE(box.windowFlags() & Qt::WindowMinimizeButtonHint);
        way.act(box);
        EXPECT_EQ(box.result() == QDialog::Accepted, way.accepted);
        EXPECT_FALSE(box.isVisible());
    }
}

TEST_F(Windows, TheWindowMenuOpensWithAltSpaceAndOnTheBackgroundOnly) {
    TemplateWindow window(kMainWindow);
    ShowActive(window);
    const QList<QAction*> entries = window.menu->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), QString::fromUtf8("最小化(&N)"));
    EXPECT_EQ(entries[1]->text(), QString::fromUtf8("閉じる(&C)"));

    window.Item(kName)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(window.menu->isVisible());
    window.menu->hide();

    const auto rightClick = [](QWidget* on) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), on->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(on, &event);
    };
    rightClick(window.Item(kApply));
    rightClick(window.Item(kFlag));
    EXPECT_FALSE(window.menu->isVisible());
    rightClick(window.client);
    EXPECT_TRUE(window.menu->isVisible());
    window.menu->hide();

    entries[0]->trigger();
    EXPECT_TRUE(window.isMinimized());
    entries[1]->trigger();
    EXPECT_FALSE(window.isVisible());
}

// Also run at a device pixel ratio of 2: the image is in the frame's own
// pixels and each becomes a block of ratio x ratio screen pixels, sharp.
TEST_F(Windows, ThePictureFrameShowsItsImageInsideItsBorderScaledByWholePixels) {
    TemplateWindow window(kMainWindow);
    ShowActive(window);
    auto* frame = FindControl<ImageFrame>(window.client, kPicture);
    ASSERT_NE(frame, nullptr);
    const qreal ratio = frame->devicePixelRatioF();
    const QSize pixels = frame->clientPixels();
    const QRect inside = frame->contentsRect();
    ASSERT_EQ(pixels, inside.size());

    // A one-pixel checkerboard, with the corners marked.
    QImage image(pixels, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, (x + y) % 2 ? 0xFF000000 : 0xFFFFFFFF);
    image.setPixel(0, 0, 0xFFFF0000);
    image.setPixel(pixels.width() - 1, pixels.height() - 1, 0xFF0000FF);
    frame->setImage(image);

    const QImage shown = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QSize device = (QSizeF(pixels) * ratio).toSize();
    const QPoint origin = (QPointF(inside.topLeft()) * ratio).toPoint();
    EXPECT_EQ(shown.copy(QRect(origin, device)), image.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    EXPECT_NE(shown.pixel(0, 0), 0xFFFF0000u);  // the border stays

    frame->setImage(QImage());
    EXPECT_NE(frame->grab().toImage().pixel(origin), 0xFFFF0000u);
}

TEST_F(Windows, TheAboutBoxShowsTheProgramsIcon) {
    TemplateWindow about(res::AboutBoxTemplate());
    bool iconShown = false;
    for (QLabel* label : about.findChildren<QLabel*>())
        iconShown = iconShown || label->pixmap().size() == QSize(32, 32);
    EXPECT_TRUE(iconShown);
}

}  // namespace
}  // namespace kelvor::fw::testing
