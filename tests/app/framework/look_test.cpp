// How the unit form draws its small check boxes and its group boxes, read
// off the pixels of the built template.
#include <QGroupBox>
#include <QImage>
#include <QWidget>

#include "app/framework/dialog_units.h"
#include "res/unit_form_template.h"
#include "tests/app/framework/test_windows.h"
#include "tests/app/framework/window_fixture.h"

namespace kelvor::fw::testing {
namespace {

using res::ControlKind;

bool Differs(const QColor& a, const QColor& b, int by) { return std::abs(a.lightness() - b.lightness()) > by; }

class Look : public WindowTest {
protected:
    void SetUp() override { ShowActive(form); }
    QRect PixelRect(const res::ControlTemplate& ct) {
        return DialogRectToPixels(BaseUnitsOf(form.client->font()), ct.x, ct.y, ct.cx, ct.cy);
    }
    TemplateWindow form{res::UnitFormTemplate()};
};

TEST_F(Look, CheckBoxesAreDrawnWholeInsideTheirRectangles) {
    int seen = 0;
    for (const res::ControlTemplate& ct : form.Template().controls) {
        if (ct.kind != ControlKind::CheckBox) continue;
        SCOPED_TRACE(ct.id);
        QWidget* box = form.Item(ct.id);
        const QImage image = box->grab().toImage();
        const QColor background = box->palette().color(QPalette::Window);
        // Down the middle of the box: its top edge, its inside, its bottom
        // edge, all within the control.
        const int x = std::min(image.width(), image.height()) / 2;
        const QColor inside = image.pixelColor(x, image.height() / 2);
        int top = 0;
        while (top < image.height() && !Differs(image.pixelColor(x, top), background, 8)) ++top;
        int bottom = image.height() - 1;
        while (bottom > top && !Differs(image.pixelColor(x, bottom), background, 8)) --bottom;
        ASSERT_LT(top, bottom);
        EXPECT_TRUE(Differs(image.pixelColor(x, top), inside, 30)) << "no top edge";
        EXPECT_TRUE(Differs(image.pixelColor(x, bottom), inside, 30)) << "no bottom edge";
        ++seen;
    }
    EXPECT_EQ(seen, 54);
}

TEST_F(Look, GroupCaptionsSitOnTheFrameLineAboveTheControlsInside) {
    QWidget* client = form.client;
    int groups = 0;
    for (const res::ControlTemplate& ct : form.Template().controls) {
        if (ct.kind != ControlKind::GroupBox) continue;
        const QRect rect = PixelRect(ct);
        QWidget* group = nullptr;
        for (QGroupBox* candidate : client->findChildren<QGroupBox*>())
            if (candidate->geometry() == rect) group = candidate;
        ASSERT_TRUE(group) << ct.x << "," << ct.y;
        SCOPED_TRACE(group->property("title").toString().toStdString());
        const QImage image = group->grab().toImage();
        const QColor background = group->palette().color(QPalette::Window);

        // The top line, seen near the right end, clear of the caption.
        int line = 0;
        const int x = image.width() - 4;
        while (line < image.height() && !Differs(image.pixelColor(x, line), background, 20)) ++line;
        ASSERT_LT(line, image.height() / 2);

        if (*ct.text) {  // the caption's ink spans the line
            int inkTop = -1, inkBottom = -1;
            for (int y = 0; y < image.height() / 2; ++y)
                for (int ix = 0; ix < image.width() / 2; ++ix)
                    if (image.pixelColor(ix, y).lightness() < 100) {
                        if (inkTop < 0) inkTop = y;
                        inkBottom = y;
                    }
            EXPECT_LT(inkTop, line);
            EXPECT_GT(inkBottom, line);
        }
        // Every control inside the box lies wholly below the line.
        for (const res::ControlTemplate& inner : form.Template().controls) {
            if (inner.id <= 0 || !rect.contains(PixelRect(inner))) continue;
            EXPECT_GT(form.Item(inner.id)->y(), rect.y() + line) << inner.id;
        }
        ++groups;
    }
    EXPECT_EQ(groups, 6);
}

}  // namespace
}  // namespace kelvor::fw::testing
