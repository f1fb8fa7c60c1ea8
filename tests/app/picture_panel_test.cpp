// The picture panel of the real unit form: pictures centred or cropped,
// flag cells, failed loads, and drawing that never reads a file. Pixels are
// read from the frame as it paints itself.
#include <QDir>
#include <QFile>
#include <QStatusBar>

#include <sys/stat.h>
#include <QFrame>
#include <QImage>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "app/framework/image_frame.h"
#include "panel/bitmap_check.h"
#include "panel/panel_geometry.h"
#include "res/control_ids.h"
#include "tests/app/main_window_fixture.h"
#include "tools/bmp_writer.h"
#include "tools/demo_game.h"
#include "tools/demo_table.h"

namespace kelvor::test {
namespace {

constexpr QRgb kBlack = 0xFF000000;

// A picture whose every pixel tells where it came from; never black.
QRgb Code(int x, int y) { return qRgb(x & 0xFF, y & 0xFF, 0x80 | ((x >> 8) & 7) << 3 | ((y >> 8) & 7)); }

void WriteCodedPicture(const std::filesystem::path& file, int w, int h) {
    demo::Image image(w, h, {0, 0, 0});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = Code(x, y);
            image.Set(x, y, {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                             static_cast<std::uint8_t>(qBlue(c))});
        }
    ASSERT_TRUE(demo::WriteBmp(file, image));
}

void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes) {
    QFile out(fw::FromPath(file));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Counts the files read, to show that drawing reads none.
class CountingFiles : public fw::FileService {
public:
    bool ReadWholeFile(const fw::Path& path, const std::function<char*(std::size_t)>& prepare,
                       std::string* error) override {
        ++reads;
        return fw::FileService::ReadWholeFile(path, prepare, error);
    }
    int reads = 0;
};

class PicturePanelTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        root_ = TempFolder();
        ASSERT_TRUE(demo::WriteDemoGame(root_ / "game"));
        std::filesystem::create_directories(Pics());
        StoreSettingBeforeStart("SystemBitmapDir", TempFolder("game/bmp"));
        StoreSettingBeforeStart("UnitBitmapDir", Pics());
    }

    // The pictures' folder: its name holds characters code page 932 lacks
    // and double-byte characters with trail byte 0x5C.
    fw::Path Pics() const { return TempFolder("絵表ソ-café"); }

    QFrame& Frame() { return *static_cast<QFrame*>(Window().Control(res::kIdPicturePanel)); }
    QSize PanelSize() { return Frame().contentsRect().size(); }

    // What the frame shows inside its border.
    QImage Panel() {
        return Frame().grab().toImage().convertToFormat(QImage::Format_RGB32).copy(Frame().contentsRect());
    }

    // A unit on display with this flag field; its picture loaded and drawn.
    int Show(int pictureNumber, const char* flagField) {
        table::UnitRecord record{};
        record[2] = flagField;
        Window().SetRecordForTests(record);
        const int loaded = Window().LoadUnitPicture(pictureNumber);
        Window().DrawPicturePanel();
        return loaded;
    }

    QImage SheetCell(int x, int y) {
        const QImage sheet(fw::FromPath(root_ / "game/bmp/panel_btn.bmp"));
        return sheet.convertToFormat(QImage::Format_RGB32).copy(x, y, 24, 15);
    }

    // Panel pixels that are not black, outside the rectangle `except`.
    static int LitPixelsOutside(const QImage& panel, const QRect& except) {
        int lit = 0;
        for (int y = 0; y < panel.height(); ++y)
            for (int x = 0; x < panel.width(); ++x)
                if (!except.contains(x, y) && panel.pixel(x, y) != kBlack) ++lit;
        return lit;
    }

    fw::Path root_;
};

TEST_F(PicturePanelTest, PicturesAreCentredOrCroppedAxisByAxisPixelForPixel) {
    ShownWindow();
    const int W = PanelSize().width(), H = PanelSize().height();
    ASSERT_EQ(Window().Widgets().picture->clientPixels(), QSize(W, H));
    struct Case {
        int w, h;
        QPoint source, target;
    } cases[] = {
        {W, H, {0, 0}, {0, 0}},
        {W - 10, H - 10, {0, 0}, {5, 5}},
        {W - 11, H - 11, {0, 0}, {5, 5}},
        {W + 21, H + 21, {10, 10}, {0, 0}},
        {W + 69, H - 85, {34, 0}, {0, 42}},  // wider but shorter
        {1, H + 3, {0, 1}, {(W - 1) / 2, 0}},  // narrower but taller
    };
    int number = 201;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " in " << W << " x " << H);
        WriteCodedPicture(Pics() / (std::to_string(number) + ".bmp"), c.w, c.h);
        ASSERT_EQ(Show(number++, "0"), 1);
        const QImage panel = Panel();
        ASSERT_EQ(panel.size(), QSize(W, H));
        const QRect shown(c.target, QSize(std::min(c.w, W), std::min(c.h, H)));
        int wrong = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const QPoint from = QPoint(x, y) - c.target + c.source;
                const QRgb want = shown.contains(x, y) ? Code(from.x(), from.y()) : kBlack;
                if (panel.pixel(x, y) != want && ++wrong < 5)
                    ADD_FAILURE() << "(" << x << ", " << y << ") " << std::hex << panel.pixel(x, y) << " not " << want;
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(PicturePanelTest, TheFlagFieldChoosesTheSheetCellCopiedTo4And4) {
    ShownWindow();
    ASSERT_EQ(Window().LoadFlagSheet(), 1);
    const std::vector<std::pair<const char*, QPoint>> cases = {
        {"0", {384, 156}},  {"1", {0, 156}},    {"16", {360, 156}}, {"17", {384, 156}}, {"18", {24, 280}},
        {"32", {360, 280}}, {"33", {384, 280}}, {"34", {24, 280}},  {"3a", {384, 156}}, {"-1", {384, 156}},
    };
    for (const auto& [field, cell] : cases) {
        SCOPED_TRACE(field);
        EXPECT_EQ(Show(9999, field), 0);  // no such picture: only the flag
        const QImage panel = Panel();
        EXPECT_EQ(panel.copy(4, 4, 24, 15), SheetCell(cell.x(), cell.y()));
        EXPECT_EQ(LitPixelsOutside(panel, QRect(4, 4, 24, 15)), 0);
    }
}

// A picture that cannot be shown leaves the panel black and is named on the
// status line with the reason; no box interrupts the browsing.
TEST_F(PicturePanelTest, BadPictureFilesAreNamedOnTheStatusLine) {
    ShownWindow();
    const fw::Path pics = Pics();
    WriteCodedPicture(pics / "200.bmp", 40, 30);
    std::string whole;
    {
        QFile file(fw::FromPath(pics / "200.bmp"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        whole = file.readAll().toStdString();
    }
    std::string zeroWide = whole;
    zeroWide[18] = zeroWide[19] = 0;
    std::string huge = whole.substr(0, 54);  // 20000 x 20000 by its header
    huge[18] = huge[22] = '\x20', huge[19] = huge[23] = '\x4e';
    huge[20] = huge[21] = huge[24] = huge[25] = 0;
    std::filesystem::create_directories(pics / "101.bmp");
    WriteFileBytes(pics / "102.bmp", whole.substr(0, whole.size() / 2));
    WriteFileBytes(pics / "103.bmp", "BM" + std::string(200, '\xA5'));
    WriteFileBytes(pics / "104.bmp", "");
    WriteFileBytes(pics / "105.bmp", zeroWide);
    WriteFileBytes(pics / "106.bmp", huge);
    // A good picture followed by (sparse) zeros up to one byte past the
    // limit: refused before it is read.
    WriteFileBytes(pics / "107.bmp", whole);
    ASSERT_TRUE(QFile::resize(fw::FromPath(pics / "107.bmp"), panel::kMaxBitmapFileBytes + 1));
    ASSERT_EQ(::mkfifo((pics / "108.bmp").c_str(), 0600), 0);  // would block a plain open

    const std::pair<int, const char*> cases[] = {
        {101, "を読めません: フォルダです"},
        {102, "は表示できる画像ではありません: 途中で切れています: ピクセルは "},
        {103, "は表示できる画像ではありません: 2779096485 バイトのヘッダはビットマップのどの種類のものでもありません"},
        {104, "は表示できる画像ではありません: ビットマップファイルの先頭の「BM」がありません"},
        {105, "は表示できる画像ではありません: 0 x "},
        {106, "は表示できる画像ではありません: 20000 x 20000 ピクセルです。縦横とも 1 から 4096 まででなければなりません"},
        {107, "を読めません: ファイルが大きすぎます"},
        {108, "を読めません: 通常のファイルではありません"}};
    const QStatusBar& status = *Window().statusBar();
    for (const auto& [bad, why] : cases) {
        SCOPED_TRACE(bad);
        ASSERT_EQ(Show(200, ""), 1);
        ASSERT_NE(LitPixelsOutside(Panel(), QRect()), 0);
        EXPECT_EQ(status.currentMessage(), QString());
        EXPECT_EQ(Show(bad, ""), 0);
        EXPECT_EQ(LitPixelsOutside(Panel(), QRect()), 0);
        // The file's name, then why (from its start, where the numbers are the picture's own).
        const QString said = fw::FromPath(pics / (std::to_string(bad) + ".bmp")) + QStringLiteral(" ") + QString::fromUtf8(why);
        EXPECT_TRUE(status.currentMessage().startsWith(said)) << status.currentMessage().toStdString();
    }
    EXPECT_EQ(Show(999, ""), 0);  // no picture at all is no problem
    EXPECT_EQ(status.currentMessage(), QString());
    EXPECT_TRUE(modal_.Messages().empty());
}

TEST_F(PicturePanelTest, RepaintsShowWhatIsHeldAndReadNoFile) {
    auto counting = std::make_unique<CountingFiles>();
    CountingFiles& files = *counting;
    UseFiles(std::move(counting));
    ShownWindow();
    WriteCodedPicture(Pics() / "201.bmp", PanelSize().width() + 21, PanelSize().height() + 21);
    ASSERT_EQ(Window().LoadFlagSheet(), 1);
    ASSERT_EQ(Show(201, "5"), 1);
    const QImage before = Panel();
    ASSERT_EQ(before.pixel(50, 50), Code(60, 60));
    const int reads = files.reads;

    ASSERT_TRUE(QDir(dir_.path()).removeRecursively());
    QWidget* window = (&Window());
    window->repaint();
    window->showMinimized();
    QApplication::processEvents();
    window->showNormal();
    QApplication::processEvents();
    Window().DrawPicturePanel();
    EXPECT_EQ(Panel(), before);
    EXPECT_EQ(files.reads, reads);
}

TEST_F(PicturePanelTest, EachOpenLoadsTheFlagSheetOnce) {
    ShownWindow();
    EXPECT_EQ(LitPixelsOutside(Panel(), QRect()), 0);  // black before any table

    const fw::Path table = TempPath("game/weapon.dat");
    modal_.ChooseFile(table);
    Trigger(Window(), menu::kOpen);
    ASSERT_EQ(Window().IsTableLoaded(), 1);
    Show(9999, "33");
    const QImage flag = SheetCell(384, 280);
    EXPECT_EQ(Panel().copy(4, 4, 24, 15), flag);

    // Held until the next Open: then a sheet that cannot be read shows no flag.
    std::filesystem::remove(root_ / "game/bmp/panel_btn.bmp");
    Show(9999, "33");
    EXPECT_EQ(Panel().copy(4, 4, 24, 15), flag);
    modal_.ChooseFile(table);
    Trigger(Window(), menu::kOpen);
    Show(9999, "33");
    EXPECT_EQ(LitPixelsOutside(Panel(), QRect()), 0);
}

// No unit on display, no picture and no flag: a table without units leaves
// the panel black although the flag sheet and a picture are held.
TEST_F(PicturePanelTest, ATableWithoutUnitsLeavesThePanelBlack) {
    ShownWindow();
    modal_.ChooseFile(TempPath("game/weapon.dat"));
    Trigger(Window(), menu::kOpen);
    ASSERT_EQ(Window().IsUnitShown(), 1);
    ASSERT_NE(LitPixelsOutside(Panel(), QRect()), 0);

    const fw::Path noUnits = TempPath("game/headings.dat");
    std::ofstream(noUnits, std::ios::binary) << "; headings only\r\nx,\x81\x7e,1\r\n";
    modal_.ChooseFile(noUnits);
    Trigger(Window(), menu::kOpen);
    ASSERT_EQ(Window().IsUnitShown(), 0);
    EXPECT_EQ(LitPixelsOutside(Panel(), QRect()), 0);
}

// Through the form: each unit shown draws its own picture and flag (a
// missing picture after an existing one leaves black and the new flag), and
// edits of the picture and flag boxes reach the panel only on Apply.
TEST_F(PicturePanelTest, ShownAndAppliedUnitsDrawTheirOwnPictureAndFlag) {
    ShownWindow();
    modal_.ChooseFile(TempPath("game/weapon.dat"));
    Trigger(Window(), menu::kOpen);
    ASSERT_EQ(Window().IsUnitShown(), 1);
    const QRect flag(4, 4, 24, 15);
    EXPECT_NE(LitPixelsOutside(Panel(), flag), 0);

    ASSERT_EQ(Window().SelectUnit(demo::kUnitMissingPicture - 1), 1);  // unit numbers start at 1
    ASSERT_EQ(Window().Record()[189], std::to_string(demo::kMissingPictureNumber));
    const QImage missing = Panel();
    EXPECT_EQ(LitPixelsOutside(missing, flag), 0);
    const panel::Copy cell = panel::PlaceFlag(Window().Record()[2]);
    EXPECT_EQ(missing.copy(flag), SheetCell(cell.srcX, cell.srcY));

    TypeInto(Window(), 1173, "101");
    TypeInto(Window(), 1012, "18");
    (&Window())->repaint();
    EXPECT_EQ(Panel(), missing);
    Click(Window(), res::kIdApply);
    const QImage applied = Panel();
    EXPECT_EQ(applied.copy(flag), SheetCell(24, 280));
    EXPECT_NE(applied.pixel(applied.width() / 2, applied.height() / 2), kBlack);
}

}  // namespace
}  // namespace kelvor::test
