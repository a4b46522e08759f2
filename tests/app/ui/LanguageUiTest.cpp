// The desktop program in its two languages: the windows' texts, Qt's own
// dialogs in Czech, the help page and the command line read before any
// window opens.
#include <QCoreApplication>
#include <QMenuBar>
#include <QProcess>

#include <fstream>

#include "app/core/ProgramLanguage.h"
#include "app/ui/frame/GlyphonApp.h"
#include "app/ui/frame/ProgramStart.h"
#include "tests/app/ui/AppuiTestSupport.h"

namespace appui_test {
namespace {

using bitmap::Language;

// Speaks English while the window is made and used; Czech again afterwards.
struct SpeakingEnglish {
    SpeakingEnglish() { app::useLanguage(Language::english); }
    ~SpeakingEnglish() { app::useLanguage(Language::czech); }
};

class EnglishFrameTest : private SpeakingEnglish, public FrameTest {};

QStringList menuTitles(QMenuBar& bar) {
    QStringList titles;
    for (QAction* menu : bar.actions())
        titles << menu->text();
    return titles;
}

TEST_F(EnglishFrameTest, MenusSpeakEnglish) {
    const QStringList titles = menuTitles(*frame().menuBar());
    for (const char* title : {"&File", "&Edit", "&Zoom", "&Help"})
        EXPECT_TRUE(titles.contains(QLatin1String(title)))
            << title << " in " << titles.join(", ").toStdString();
}

TEST_F(FrameTest, MenusSpeakCzechByDefault) {
    EXPECT_TRUE(menuTitles(*frame().menuBar()).contains(QStringLiteral("&Soubor")));
}

TEST(ProgramLanguage, QtsOwnDialogsSpeakCzechInCzech) {
    const auto fileDialogText = [] {
        return QCoreApplication::translate("QFileDialog", "Look in:");
    };
    app::useLanguage(Language::english);
    EXPECT_EQ(fileDialogText(), QStringLiteral("Look in:"));
    app::useLanguage(Language::czech);
    EXPECT_NE(fileDialogText(), QStringLiteral("Look in:"))
        << "Qt's Czech catalogue (qt6-translations-l10n) is not installed";
    // The program's own texts need no translation in Czech.
    EXPECT_EQ(QCoreApplication::translate("glyphon", "&Soubor"), QStringLiteral("&Soubor"));
}

TEST(ProgramLanguage, EnglishHelpPageIsChosenWhereItExists) {
    const testing_support::TempDir folder;
    const QString czech = QString::fromStdString(folder.file("index.htm"));
    std::ofstream(czech.toStdString()) << "cs";
    EXPECT_EQ(app::ui::helpFileInLanguage(czech, Language::english), czech);
    std::ofstream(folder.file("index.en.htm")) << "en";
    EXPECT_EQ(app::ui::helpFileInLanguage(czech, Language::english),
              QString::fromStdString(folder.file("index.en.htm")));
    EXPECT_EQ(app::ui::helpFileInLanguage(czech, Language::czech), czech);
}

TEST(ProgramLanguage, CommandLineIsReadBeforeAnyWindow) {
    const auto czechEnvironment = [](const char* name) -> const char* {
        return std::string_view(name) == "LANG" ? "cs_CZ.UTF-8" : nullptr;
    };
    auto start = app::ui::readProgramStart({"glyphon", "a.bmp"}, czechEnvironment);
    EXPECT_EQ(start.language, Language::czech);
    EXPECT_FALSE(start.showHelp || start.showVersion);
    EXPECT_EQ(start.arguments, (std::vector<std::string>{"glyphon", "a.bmp"}));

    start = app::ui::readProgramStart({"glyphon", "--lang", "en", "a.bmp"}, czechEnvironment);
    EXPECT_EQ(start.language, Language::english);
    EXPECT_EQ(start.arguments, (std::vector<std::string>{"glyphon", "a.bmp"}));

    start = app::ui::readProgramStart({"glyphon", "--help"}, czechEnvironment);
    EXPECT_TRUE(start.showHelp);
    start = app::ui::readProgramStart({"glyphon", "--version"}, czechEnvironment);
    EXPECT_TRUE(start.showVersion);
    start = app::ui::readProgramStart({"glyphon", "--lang", "xx"}, czechEnvironment);
    EXPECT_FALSE(start.error.empty());
}

// The program's --help, run as a process without a display.
QString programHelp(const QStringList& arguments, const QString& language) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), language);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(GLYPHON_PROGRAM_PATH), arguments);
    EXPECT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0);
    return QString::fromUtf8(program.readAllStandardOutput());
}

TEST(ProgramLanguage, HelpFollowsTheEnvironmentAndLang) {
    EXPECT_TRUE(programHelp({QStringLiteral("--help")}, QStringLiteral("en"))
                    .startsWith(QStringLiteral("Usage: glyphon")));
    EXPECT_TRUE(programHelp({QStringLiteral("--help")}, QStringLiteral("cs"))
                    .startsWith(QStringLiteral("Použití: glyphon")));
    EXPECT_TRUE(
        programHelp({QStringLiteral("--lang"), QStringLiteral("cs"), QStringLiteral("--help")},
                    QStringLiteral("en"))
            .startsWith(QStringLiteral("Použití: glyphon")));
    EXPECT_TRUE(programHelp({QStringLiteral("--version")}, QStringLiteral("en"))
                    .startsWith(QStringLiteral("glyphon (WAP Glyphon) ")));
}

}  // namespace
}  // namespace appui_test
