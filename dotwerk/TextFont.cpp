#include "dotwerk/TextFont.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "dotwerk/LanguageTexts.h"
#include "dotwerk/Translate.h"

namespace dotwerk {

int mulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t magnitude =
        (std::llabs(product) + std::llabs(std::int64_t{c}) / 2) / std::llabs(std::int64_t{c});
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t result = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<std::int64_t>(result, INT32_MIN, INT32_MAX));
}

QFont toQFont(const LogicalFont& font) {
    QFont result(font.faceName);
    if (font.height != 0)
        result.setPixelSize(std::clamp(std::abs(font.height), 1, 1000));
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    result.setItalic(font.italic);
    // One-bit pictures take no grey edges.
    result.setStyleStrategy(QFont::NoAntialias);
    return result;
}

LogicalFont fromQFont(const QFont& font, int dotsPerInch, const LogicalFont& previous) {
    LogicalFont result = previous;
    result.faceName = font.family();
    if (font.pixelSize() > 0)
        result.height = -font.pixelSize();
    else if (font.pointSizeF() > 0)
        result.height = -mulDiv(static_cast<int>(std::lround(font.pointSizeF())), dotsPerInch, 72);
    result.weight = font.weight();
    result.italic = font.italic();
    return result;
}

QString sizeText(const LogicalFont& font, int dotsPerInch) {
    if (font.height > 0)
        return QString::number(font.height);
    return QString::number(-mulDiv(font.height, 72, dotsPerInch));
}

QString styleText(const LogicalFont& font, long long language) {
    const auto& t = textsForLanguage(language);
    const bool bold = font.weight != 400;
    if (font.italic)
        return translate(font.weight == 400 ? t.italic : t.boldItalic);
    return bold ? translate(t.bold) : QString();
}

}  // namespace dotwerk
