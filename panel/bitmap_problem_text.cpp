#include "panel/bitmap_problem_text.h"

#include <cstdio>
#include <iterator>

namespace kelvor::panel {

namespace {

using table::In;
using table::Texts;

// One row for each fault but None, in the order of BitmapFault; {1}, {2}
// and {3} stand for its values, {c} for a mask's colour and {m} for the
// mask itself.
constexpr Texts kTexts[] = {
    {"ビットマップファイルの先頭の「BM」がありません", "it does not start with \"BM\", as a bitmap file does"},
    {"{1} バイトのヘッダはビットマップのどの種類のものでもありません", "its header of {1} bytes is of no kind that bitmaps have"},
    {"ヘッダの途中で切れています", "it is cut off inside its headers"},
    {"{1} x {2} ピクセルです。縦横とも 1 から {3} まででなければなりません",
     "it is {1} x {2} pixels; each side must be 1 to {3}"},
    {"1 ピクセル {1} ビットで、この形式は読めません", "it has {1} bits a pixel, which the panel does not read"},
    {"コアヘッダで 1 ピクセル {1} ビットで、この形式は読めません",
     "it has {1} bits a pixel in a core header, which the panel does not read"},
    {"1 ピクセル {1} ビットでカラーマスクがあります。カラーマスクは 16 ビットと 32 ビットだけのものです",
     "it has colour masks at {1} bits a pixel; only 16 and 32 bits have them"},
    {"1 ピクセル {1} ビットのランレングス圧縮ですが、{2} ビットです", "it is run-length encoded for {1} bits a pixel, but has {2}"},
    {"ランレングス圧縮で行が上から下の順です。そのようなビットマップはありえません",
     "it is run-length encoded with its rows top-down, which no bitmap may be"},
    {"圧縮形式 {1} で、この形式は読めません", "it uses compression {1}, which the panel does not read"},
    {"カラーマスクが途中で切れています", "its colour masks are cut off"},
    {"{c}のマスク {m} がひと続きのビットではありません", "its {c} mask {m} is no single run of bits"},
    {"{c}のマスク {m} が 1 ピクセルの 16 ビットを超えています", "its {c} mask {m} reaches past the 16 bits of a pixel"},
    {"{c}のマスク {m} がほかの色のマスクとビットを共有しています", "its {c} mask {m} shares bits with another colour's"},
    {"{1} 色のパレットが途中で切れています", "its palette of {1} colours is cut off"},
    {"ピクセルがヘッダの中の {1} バイト目から始まっています", "its pixels start at byte {1}, inside its headers"},
    {"ピクセルが {1} バイト目から始まっていますが、ファイルは {2} バイト目で終わっています",
     "its pixels start at byte {1}, past its end at byte {2}"},
    {"途中で切れています: ピクセルは {1} バイトありますが、{2} 行には {3} バイト必要です",
     "it is cut off: it holds {1} bytes of pixels, and its {2} rows take {3}"},
    {"{1} バイト目のランレングスのコードが途中で切れています", "its run-length code at byte {1} is cut off"},
    {"ランレングスのデータが {2} 行のうち {1} 行目で終わり、ビットマップの終わりの印がありません",
     "its run-length data stops in row {1} of {2}, with no end-of-bitmap mark"},
};
static_assert(std::size(kTexts) == static_cast<std::size_t>(BitmapFault::RunLengthStops),
              "each BitmapFault but None needs its row in kTexts, in the enum's order");

constexpr Texts kColours[] = {{"赤", "red"}, {"緑", "green"}, {"青", "blue"}};

}  // namespace

std::string BitmapProblemText(const BitmapProblem& problem, ProblemLanguage language) {
    if (problem.fault == BitmapFault::None) return {};
    const std::string_view text = In(kTexts[static_cast<std::size_t>(problem.fault) - 1], language);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t close = text[i] == '{' ? text.find('}', i) : std::string_view::npos;
        if (close == std::string_view::npos) {
            out += text[i];
            continue;
        }
        const std::string_view name = text.substr(i + 1, close - i - 1);
        if (name == "c") {
            const auto colour = static_cast<std::size_t>(problem.values[0]);
            out += colour < std::size(kColours) ? In(kColours[colour], language) : "?";
        } else if (name == "m") {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(problem.values[1]));
            out += hex;
        } else {
            out += std::to_string(problem.values[static_cast<std::size_t>(name[0] - '1')]);
        }
        i = close;
    }
    return out;
}

}  // namespace kelvor::panel
