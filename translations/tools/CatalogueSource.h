#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

#include "translations/tools/EnglishEntries.h"

namespace translations::tools {

// `bytes` as a C++ string literal that holds exactly those bytes: printable
// ASCII as it is, every other byte, the backslash and the quote as an octal
// escape of three digits, which ends where its digits end (a hexadecimal
// escape would swallow the digits and letters after it).
QByteArray cppLiteral(QByteArrayView bytes);

// The C++ source of translations/EnglishCatalogueTable.h's table holding
// `entries` in their order.
QByteArray catalogueSource(const std::vector<EnglishEntry>& entries);

}  // namespace translations::tools
