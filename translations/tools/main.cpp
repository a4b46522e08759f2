// glyphon-english-catalogue TS-FILE OUTPUT: writes the English texts of
// TS-FILE as the C++ table of translations/EnglishCatalogueTable.h, so that
// the program looks them up without Qt.
#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <exception>

#include "translations/tools/CatalogueSource.h"
#include "translations/tools/EnglishEntries.h"
#include "translations/tools/TsMessages.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TS-FILE OUTPUT\n", argv[0]);
        return 2;
    }
    QFile input(QFile::decodeName(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(input.errorString()));
        return 1;
    }
    QByteArray source;
    try {
        using namespace translations::tools;
        source = catalogueSource(englishEntries(readTsMessages(input.readAll())));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    // Written whole or not at all, so that a failed run leaves no table
    // that the build would take as made.
    QSaveFile output(QFile::decodeName(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(source) != source.size() ||
        !output.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
