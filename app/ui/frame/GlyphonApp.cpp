#include "app/ui/frame/GlyphonApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/core/ProgramLanguage.h"
#include "app/ui/frame/MainWindow.h"

namespace app::ui {

QString installedHelpFile(const QString& programFolder) {
    const QDir folder(programFolder);
    for (const QString& candidate :
         {QStringLiteral("help/index.htm"), QStringLiteral("../share/glyphon/help/index.htm")}) {
        const QString path = QDir::cleanPath(folder.absoluteFilePath(candidate));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString helpFileInLanguage(const QString& helpFile, bitmap::Language language) {
    if (language != bitmap::Language::english || !helpFile.endsWith(QLatin1String(".htm")))
        return helpFile;
    QString english = helpFile;
    english.insert(english.size() - 4, QLatin1String(".en"));
    return QFileInfo(english).isFile() ? english : helpFile;
}

GlyphonApp::GlyphonApp() {
    QCoreApplication::setOrganizationName(QStringLiteral("Vendra"));
    QCoreApplication::setApplicationName(QStringLiteral("WAP Glyphon"));
}

GlyphonApp::~GlyphonApp() {
    closeMainFrame();
    settings_.removeTempFiles();
}

void GlyphonApp::start(const QStringList& arguments) {
    settings_.readSettings();
    // The help file defaults to "help/index.htm" in the folder the program
    // was started from; an installed program keeps it elsewhere.
    if (!QFileInfo::exists(QString::fromStdString(settings_.helpFile))) {
        const QString shipped = installedHelpFile(QCoreApplication::applicationDirPath());
        if (!shipped.isEmpty())
            settings_.helpFile = shipped.toStdString();
    }
    // The English help page lies beside the Czech one.
    settings_.helpFile =
        helpFileInLanguage(QString::fromStdString(settings_.helpFile), app::programLanguage())
            .toStdString();
    settings_.createCodec();

    frame_ = std::make_unique<MainWindow>(settings_);
    frame_->show();
    // A file that cannot be opened has been named in its error box; the
    // program still starts, with an empty window, rather than vanish.
    if (arguments.size() > 1)
        frame_->openDocumentFile(arguments.at(1));
}

void GlyphonApp::closeMainFrame() {
    frame_.reset();
}

}  // namespace app::ui
