#include <QLineEdit>

#include "app/framework/codec.h"
#include "tests/app/framework/test_windows.h"
#include "tests/app/framework/window_fixture.h"

namespace kelvor::fw::testing {
namespace {

TEST(ExchangeInt, TakesBlanksASignAndDigitsOnly) {
    struct Case {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"5", 5},      {" \t5 \t", 5},   {"+5", 5},        {"-5", -5},         {"007", 7},
        {"", {}},      {" ", {}},        {"5a", {}},       {"5 5", {}},        {"+", {}},
        {"--5", {}},   {"0x10", {}},     {"2147483647", 2147483647},          {"2147483648", {}},
        {"-2147483648", -2147483647 - 1}, {"-2147483649", {}}, {"99999999999999999999", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseExchangeInt(c.text), c.value) << '"' << c.text << '"';
}

// The main test window with a few exchanged members: name, a number in
// 0..255, a second number, the flag and the kind list.
class ExchangeWindow : public RecordingWindow {
public:
    using RecordingWindow::RecordingWindow;
    std::string name;
    int number = 0, second = 0, flag = 0;
    ComboBox* kind = nullptr;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Control(kKind, kind);
        dx.Text(kName, name);
        dx.Int(kNumber, number);
        dx.MinMaxInt(kNumber, number, 0, 255);
        dx.Int(kSecond, second);
        dx.Check(kFlag, flag);
    }
};

class Exchange : public WindowTest {
protected:
    void SetUp() override { ASSERT_TRUE(window.Create()); }
    std::string SelectedText(int id) { return static_cast<QLineEdit*>(window.GetDlgItem(id))->selectedText().toStdString(); }
    ExchangeWindow window{platform};
};

TEST_F(Exchange, LoadsAndSavesEveryMember) {
    EXPECT_EQ(window.kind, &window.GetComboBox(kKind));  // bound at initialisation
    window.name = std::string("\x95\xBA\x85\x40", 4);
    window.number = -12;
    window.flag = 1;
    EXPECT_EQ(window.UpdateData(0), 1);
    EXPECT_EQ(window.GetDlgItemText(kNumber), "-12");
    EXPECT_EQ(window.IsDlgButtonChecked(kFlag), 1);

    window.SetDlgItemText(kNumber, " +200\t");
    window.SetDlgItemText(kSecond, "-7");
    window.CheckDlgButton(kFlag, 0);
    EXPECT_EQ(window.UpdateData(1), 1);
    EXPECT_EQ(window.name, std::string("\x95\xBA\x85\x40", 4));
    EXPECT_EQ(window.number, 200);
    EXPECT_EQ(window.second, -7);
    EXPECT_EQ(window.flag, 0);
}

TEST_F(Exchange, NoIntegerIsRefusedWithThePromptAndTheBoxSelected) {
    for (const char* text : {"5a", "", "2147483648"}) {
        SCOPED_TRACE(text);
        window.number = 3;
        window.second = 4;
        window.SetDlgItemText(kNumber, text);
        window.SetDlgItemText(kSecond, "9");
        modal.AcceptMessage(Cp932FromUtf8("整数を入力してください。"), kIconExclamation);
        EXPECT_EQ(window.UpdateData(1), 0);
        EXPECT_EQ(window.number, 3);
        EXPECT_EQ(window.second, 4);  // later members keep their values
        EXPECT_EQ(window.Window()->focusWidget(), window.GetDlgItem(kNumber));
        EXPECT_EQ(SelectedText(kNumber), text);
    }
}

TEST_F(Exchange, ANumberOutOfRangeIsRefusedNamingTheBounds) {
    window.second = 4;
    window.SetDlgItemText(kNumber, "256");
    window.SetDlgItemText(kSecond, "9");
    modal.AcceptMessage(Cp932FromUtf8("0 から 255 までの整数を入力してください。"), kIconExclamation);
    EXPECT_EQ(window.UpdateData(1), 0);
    EXPECT_EQ(window.number, 256);  // the member already holds the refused number
    EXPECT_EQ(window.second, 4);
    EXPECT_EQ(window.Window()->focusWidget(), window.GetDlgItem(kNumber));
    EXPECT_EQ(SelectedText(kNumber), "256");
}

}  // namespace
}  // namespace kelvor::fw::testing
