#pragma once

#include <QFont>
#include <QString>

namespace dotwerk {

// The text tool's font as the host platform describes fonts: a face name, a
// height in pixels (negative for the character height, positive for the cell
// height, 0 for the default), a weight of 1..1000 (400 normal) and the italic
// flag.
struct LogicalFont {
    QString faceName = QStringLiteral("Arial");
    int height = -13;
    int weight = 400;
    bool italic = false;
    int charSet = 238;  // Central European

    friend bool operator==(const LogicalFont&, const LogicalFont&) = default;
};

// a * b / c rounded half away from zero; -1 when c is 0.
int mulDiv(int a, int b, int c);

QFont toQFont(const LogicalFont& font);
// The logical font for a font chosen in the font dialog; keeps the character
// set of `previous`.
LogicalFont fromQFont(const QFont& font, int dotsPerInch, const LogicalFont& previous);

// The size line of the text dialog: points for a character height, the
// height itself for a cell height.
QString sizeText(const LogicalFont& font, int dotsPerInch);
// The style line: bold (any weight but 400), italic, both, or nothing.
QString styleText(const LogicalFont& font, long long language);

}  // namespace dotwerk
