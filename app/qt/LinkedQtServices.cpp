#include "app/qt/LinkedQtServices.h"

#include <QString>

#include "app/qt/QtLanguage.h"
#include "app/qt/SettingsStore.h"

namespace app::qt {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::unique_ptr<StoredSettings> openStore() {
    return std::make_unique<SettingsStore>();
}

std::string trimmed(std::string_view text) {
    return fromUtf8(text).trimmed().toStdString();
}

std::string caseFolded(std::string_view text) {
    return fromUtf8(text).toCaseFolded().toStdString();
}

std::u32string codePoints(std::string_view text) {
    const QList<uint> points = fromUtf8(text).toUcs4();
    return std::u32string(points.begin(), points.end());
}

std::string fromCodePoints(std::u32string_view points) {
    return QString::fromUcs4(points.data(), static_cast<qsizetype>(points.size())).toStdString();
}

const QtServices kServices{
    QtServices::kVersion, &openStore,  &followLanguage, &trimmed,
    &caseFolded,          &codePoints, &fromCodePoints,
};

}  // namespace

const QtServices& linkedQtServices() {
    return kServices;
}

}  // namespace app::qt
