#include "app/ui/view/ControlLibrary.h"

#include <QDir>
#include <QFileInfo>

#include "dotwerk/DotwerkInterface.h"

namespace app::ui {

QString controlLibraryNear(const QString& programFolder) {
    const QDir folder(programFolder);
    const QString file = QString::fromLatin1(dotwerk::kControlLibraryFileName);
    const QString candidates[] = {
        file,
        QStringLiteral(GLYPHON_DOTWERK_FROM_BIN "/") + file,
        QStringLiteral("../dotwerk/") + file,
    };
    for (const QString& candidate : candidates) {
        const QString path = QDir::cleanPath(folder.absoluteFilePath(candidate));
        if (QFileInfo(path).isFile())
            return path;
    }
    return folder.absoluteFilePath(file);
}

}  // namespace app::ui
