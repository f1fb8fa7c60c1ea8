#include "app/framework/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <cstdint>

namespace kelvor::fw {

namespace {

struct FaceFamilies {
    const char* face;  // as a template names it, UTF-8
    const char* families[2];
};

constexpr FaceFamilies kFaces[] = {
    {"ＭＳ Ｐゴシック", {"MS PGothic", "IPAPGothic"}},
    {"ＭＳ ゴシック", {"MS Gothic", "IPAGothic"}},
    {"ＭＳ Ｐ明朝", {"MS PMincho", "IPAPMincho"}},
    {"ＭＳ 明朝", {"MS Mincho", "IPAMincho"}},
};

}  // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = std::int64_t{a} * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    if (2 * (remainder < 0 ? -remainder : remainder) >= (c < 0 ? -std::int64_t{c} : c))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    return static_cast<int>(quotient);
}

BaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

QRect DialogRectToPixels(const BaseUnits& base, int x, int y, int cx, int cy) {
    return QRect(MulDiv(x, base.x, 4), MulDiv(y, base.y, 8), MulDiv(cx, base.x, 4), MulDiv(cy, base.y, 8));
}

QStringList FontFamiliesFor(const QString& faceName) {
    QStringList families;
    for (const FaceFamilies& entry : kFaces) {
        if (faceName == QString::fromUtf8(entry.face)) {
            for (const char* family : entry.families) families << QString::fromLatin1(family);
            break;
        }
    }
    if (families.isEmpty() && !faceName.isEmpty()) families << faceName;
    // Last, whatever Japanese font the system has.
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    if (!japanese.isEmpty() && !families.contains(japanese.first())) families << japanese.first();
    return families;
}

QFont DialogFont(const char* faceNameUtf8, int pointSize) {
    QFont font;
    font.setFamilies(FontFamiliesFor(QString::fromUtf8(faceNameUtf8 ? faceNameUtf8 : "")));
    font.setPixelSize(MulDiv(pointSize > 0 ? pointSize : 9, 96, 72));
    return font;
}

}  // namespace kelvor::fw
