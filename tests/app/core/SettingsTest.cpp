// Application settings: what a start reads, what an exit writes,
// and the codec the application sets up. The store lives in a temporary
// folder, and so does the system temporary folder (TMPDIR).
#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <filesystem>
#include <stdexcept>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "app/core/settings/AppSettings.h"
#include "app/qt/SettingsStore.h"
#include "bitmap/ImageProc.h"
#include "codec/url/DownloadProgress.h"
#include "support/SettingsSandbox.h"
#include "support/TestSupport.h"

using codec::CodecError;
using codec::codeOf;
using testing_support::readText;
using testing_support::ScopedEnv;
using testing_support::SettingsSandbox;
using testing_support::TempDir;

namespace {

namespace fs = std::filesystem;

// Writes the settings file by hand, as another program (or a user) would.
void writeSettingsFile(const SettingsSandbox& sandbox, const std::string& text) {
    fs::create_directories(sandbox.folder() + "/Vendra");
    testing_support::writeFile(sandbox.settingsFile(), text);
}

// A settings store and a system temporary folder of the test's own.
struct SettingsTest : ::testing::Test {
    SettingsSandbox sandbox;
    TempDir temp;
    ScopedEnv tmpdir{"TMPDIR", temp.path()};
    // What QDir::tempPath() gives for it, with the trailing "/".
    std::string tempFolder =
        QDir(QString::fromStdString(temp.path())).canonicalPath().toStdString() + "/";
};

TEST(SettingsSandboxTest, TheStoreLandsInTheTemporaryFolder) {
    const std::string home = QDir::homePath().toStdString();
    const std::string homeStore = home + "/.config/Vendra/WAP Glyphon.conf";
    const bool homeStoreExisted = fs::exists(homeStore);
    std::optional<fs::file_time_type> homeStoreTime;
    if (homeStoreExisted)
        homeStoreTime = fs::last_write_time(homeStore);
    {
        SettingsSandbox sandbox;
        app::SettingsStore store;
        EXPECT_EQ(store.settings().fileName().toStdString(), sandbox.settingsFile());
        EXPECT_EQ(QSettings(QSettings::IniFormat, QSettings::UserScope, "Vendra", "WAP Glyphon")
                      .fileName()
                      .toStdString(),
                  sandbox.folder() + "/Vendra/WAP Glyphon.ini");
        EXPECT_EQ(std::string(std::getenv("XDG_CONFIG_HOME")), sandbox.folder());
        app::AppSettings settings;
        settings.readSettings();
        settings.writeSettings();
        EXPECT_TRUE(fs::exists(sandbox.settingsFile()));
        EXPECT_NE(readText(sandbox.settingsFile()).find("[Settings]"), std::string::npos);
    }
    // Outside a sandbox the store is the test program's own folder, never
    // the user's.
    const std::string outside = app::SettingsStore().settings().fileName().toStdString();
    EXPECT_EQ(outside, testing_support::programSettingsFolder.path() + "/Vendra/WAP Glyphon.conf");
    EXPECT_EQ(fs::exists(homeStore), homeStoreExisted);
    if (homeStoreExisted) {
        EXPECT_EQ(fs::last_write_time(homeStore), *homeStoreTime);
    }
}

TEST(SettingsSandboxTest, TheTemporaryPathFollowsTmpdir) {
    TempDir temp;
    {
        ScopedEnv tmpdir("TMPDIR", temp.path());
        EXPECT_EQ(QDir::tempPath(), QDir(QString::fromStdString(temp.path())).canonicalPath());
        EXPECT_EQ(app::AppSettings().tempFolder,
                  QDir(QString::fromStdString(temp.path())).canonicalPath().toStdString() + "/");
    }
    EXPECT_NE(QDir::tempPath().toStdString(), temp.path());
}

TEST_F(SettingsTest, FirstStartOnACleanStore) {
    ASSERT_FALSE(fs::exists(sandbox.settingsFile()));
    app::AppSettings settings;
    settings.readSettings();
    EXPECT_EQ(settings.tempFolder, tempFolder);
    EXPECT_EQ(settings.saveFolder, tempFolder);
    EXPECT_EQ(settings.workingFolder, tempFolder);
    EXPECT_EQ(settings.ditheringMethod, 0);
    EXPECT_EQ(settings.threshold, 128);
    EXPECT_EQ(settings.helpFile, QDir::currentPath().toStdString() + "/help/index.htm");
    EXPECT_EQ(settings.undoFilePath, tempFolder + "TMPUndo.bmp");
    // Reading writes nothing.
    EXPECT_FALSE(fs::exists(sandbox.settingsFile()));
}

TEST_F(SettingsTest, ExitWritesFoldersMethodAndThresholdButNeverTheHelpFile) {
    app::AppSettings settings;
    settings.readSettings();
    settings.createCodec();
    settings.saveFolder = "/pictures/saved";
    settings.workingFolder = "/pictures/work";
    settings.ditheringMethod = 4;
    settings.threshold = 77;
    settings.helpFile = "/somewhere/else.htm";
    settings.writeSettings();
    EXPECT_EQ(settings.codec(), nullptr);

    QSettings stored(QSettings::UserScope, "Vendra", "WAP Glyphon");
    EXPECT_EQ(stored.childGroups(), QStringList{"Settings"});
    stored.beginGroup("Settings");
    QStringList keys = stored.childKeys();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"DSD", "DWD", "IxDithering", "TresholdValue"}));
    // On disk, as the next start reads them.
    const std::string file = readText(sandbox.settingsFile());
    EXPECT_NE(file.find("DSD=/pictures/saved\n"), std::string::npos) << file;
    EXPECT_NE(file.find("DWD=/pictures/work\n"), std::string::npos) << file;
    EXPECT_NE(file.find("IxDithering=4\n"), std::string::npos) << file;
    EXPECT_NE(file.find("TresholdValue=77\n"), std::string::npos) << file;
    EXPECT_EQ(file.find("HelpFile"), std::string::npos) << file;

    app::AppSettings next;
    next.readSettings();
    EXPECT_EQ(next.saveFolder, "/pictures/saved");
    EXPECT_EQ(next.workingFolder, "/pictures/work");
    EXPECT_EQ(next.ditheringMethod, 4);
    EXPECT_EQ(next.threshold, 77);
    EXPECT_EQ(next.helpFile, QDir::currentPath().toStdString() + "/help/index.htm");
}

TEST_F(SettingsTest, AStoredHelpFileIsReadAndKept) {
    writeSettingsFile(sandbox, "[Settings]\nHelpFile=/opt/glyphon/help/start.htm\n");
    app::AppSettings settings;
    settings.readSettings();
    EXPECT_EQ(settings.helpFile, "/opt/glyphon/help/start.htm");
    settings.helpFile = "/changed.htm";
    settings.writeSettings();
    EXPECT_NE(readText(sandbox.settingsFile()).find("HelpFile=/opt/glyphon/help/start.htm\n"),
              std::string::npos);
}

TEST_F(SettingsTest, AnEmptySaveFolderBecomesTheTemporaryFolder) {
    writeSettingsFile(sandbox, "[Settings]\nDSD=\nDWD=/work\n");
    app::AppSettings settings;
    settings.readSettings();
    EXPECT_EQ(settings.saveFolder, tempFolder);
    EXPECT_EQ(settings.workingFolder, "/work");
}

TEST_F(SettingsTest, AnEmptyWorkingFolderStaysEmpty) {
    writeSettingsFile(sandbox, "[Settings]\nDSD=/saved\nDWD=\n");
    app::AppSettings settings;
    settings.readSettings();
    EXPECT_EQ(settings.workingFolder, "");
    EXPECT_EQ(settings.saveFolder, "/saved");
    // The exchange files go to the temporary folder.
    EXPECT_EQ(settings.exchangeFolder() + "/", tempFolder);
    // It is written back empty and read back empty.
    settings.writeSettings();
    EXPECT_NE(readText(sandbox.settingsFile()).find("DWD=\n"), std::string::npos);
    app::AppSettings next;
    next.readSettings();
    EXPECT_EQ(next.workingFolder, "");
}

TEST_F(SettingsTest, AnEmptyWorkingFolderMakesRemoveTempFilesCleanTheTemporaryFolder) {
    writeSettingsFile(sandbox, "[Settings]\nDWD=\n");
    app::AppSettings settings;
    settings.readSettings();
    settings.createCodec();
    const std::vector<std::string> removed{"TMPClipboard.bmp", "TMPClipboard12.bmp",
                                           "TMPSplitSave.bmp", "TMPUndo.bmp",
                                           "TMPEdit3.bmp",     "tmpedit7.BMP"};
    const std::vector<std::string> kept{"TMPUpdate.bmp", "TMPChange.bmp", "picture.bmp",
                                        "TMPClipboard.png"};
    for (const auto& name : removed)
        testing_support::writeFile(temp.file(name), "x");
    for (const auto& name : kept)
        testing_support::writeFile(temp.file(name), "x");
    settings.removeTempFiles();
    for (const auto& name : removed)
        EXPECT_FALSE(fs::exists(temp.file(name))) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(fs::exists(temp.file(name))) << name;
}

TEST_F(SettingsTest, AWorkingFolderIsCleanedInsteadOfTheTemporaryFolder) {
    TempDir work;
    writeSettingsFile(sandbox, "[Settings]\nDWD=" + work.path() + "\n");
    app::AppSettings settings;
    settings.readSettings();
    ASSERT_EQ(settings.workingFolder, work.path());
    settings.createCodec();
    for (const auto& name : {"TMPEdit1.bmp", "TMPSplitSave.bmp", "TMPClipboard.bmp"}) {
        testing_support::writeFile(work.file(name), "x");
        testing_support::writeFile(temp.file(name), "x");
    }
    testing_support::writeFile(temp.file("TMPUndo.bmp"), "x");
    testing_support::writeFile(work.file("TMPUndo.bmp"), "x");
    settings.removeTempFiles();
    for (const auto& name : {"TMPEdit1.bmp", "TMPSplitSave.bmp", "TMPClipboard.bmp"}) {
        EXPECT_FALSE(fs::exists(work.file(name))) << name;
        EXPECT_TRUE(fs::exists(temp.file(name))) << name;
    }
    // The undo file is always the temporary folder's.
    EXPECT_FALSE(fs::exists(temp.file("TMPUndo.bmp")));
    EXPECT_TRUE(fs::exists(work.file("TMPUndo.bmp")));
}

TEST_F(SettingsTest, StoredValuesAreRead) {
    writeSettingsFile(sandbox,
                      "[Settings]\nDSD=/home/jana/Obr\xc3\xa1zky\nDWD=/var/tmp/glyphon\n"
                      "IxDithering=2\nTresholdValue=200\n");
    app::AppSettings settings;
    settings.readSettings();
    EXPECT_EQ(settings.saveFolder, "/home/jana/Obr\xc3\xa1zky");
    EXPECT_EQ(settings.workingFolder, "/var/tmp/glyphon");
    EXPECT_EQ(settings.ditheringMethod, 2);
    EXPECT_EQ(settings.threshold, 200);
}

TEST_F(SettingsTest, UnreadableValuesLeaveTheDefaults) {
    // Text that is no number, a number beyond 32 bits, a fraction, and a
    // list (an unquoted comma) where a folder is expected.
    writeSettingsFile(sandbox,
                      "[Settings]\nDSD=a, b\nDWD=c, d\nIxDithering=two\n"
                      "TresholdValue=99999999999\n");
    app::AppSettings settings;
    settings.readSettings();
    EXPECT_EQ(settings.saveFolder, tempFolder);
    EXPECT_EQ(settings.workingFolder, tempFolder);
    EXPECT_EQ(settings.ditheringMethod, 0);
    EXPECT_EQ(settings.threshold, 128);
}

TEST_F(SettingsTest, ValuesOutOfRangeGiveTheDefaults) {
    struct Case {
        const char* stored;
        int method, threshold, maxPixels;
    };
    const int defaultLimit = app::AppSettings::kDefaultMaxPixels;
    for (const Case& c : {
             Case{"IxDithering=99\nTresholdValue=256\nMaxPixels=0\n", 0, 128, defaultLimit},
             Case{"IxDithering=-1\nTresholdValue=-5\nMaxPixels=2000000000\n", 0, 128, defaultLimit},
             Case{"IxDithering=4\nTresholdValue=255\nMaxPixels=1000\n", 4, 255, 1000},
         }) {
        writeSettingsFile(sandbox, std::string("[Settings]\n") + c.stored);
        app::AppSettings settings;
        settings.readSettings();
        EXPECT_EQ(settings.ditheringMethod, c.method) << c.stored;
        EXPECT_EQ(settings.threshold, c.threshold) << c.stored;
        EXPECT_EQ(settings.maxPixels, c.maxPixels) << c.stored;
        settings.createCodec();
        EXPECT_EQ(settings.codec()->maxPixels(), c.maxPixels);
    }
}

TEST_F(SettingsTest, FractionsAndOtherBasesAreNotNumbers) {
    writeSettingsFile(sandbox, "[Settings]\nIxDithering=1.5\nTresholdValue=0x40\n");
    app::AppSettings settings;
    settings.readSettings();
    EXPECT_EQ(settings.ditheringMethod, 0);
    EXPECT_EQ(settings.threshold, 128);
}

TEST_F(SettingsTest, ANumberWrittenByThisProcessIsRead) {
    app::SettingsStore store;
    store.settings().setValue("Settings/TresholdValue", 90);
    store.settings().setValue("Settings/IxDithering", QString("3"));
    EXPECT_EQ(store.readInt("Settings/TresholdValue"), 90);
    EXPECT_EQ(store.readInt("Settings/IxDithering"), 3);
    EXPECT_EQ(store.readString("Settings/TresholdValue"), "90");
    store.settings().setValue("Settings/Fraction", 2.5);
    EXPECT_EQ(store.readInt("Settings/Fraction"), std::nullopt);
    store.settings().setValue("Settings/List", QStringList{"a", "b"});
    EXPECT_EQ(store.readString("Settings/List"), std::nullopt);
    EXPECT_EQ(store.readInt("Settings/Missing"), std::nullopt);
    EXPECT_EQ(store.readString("Settings/Missing"), std::nullopt);
    store.settings().setValue("Settings/Big", qlonglong(1) << 40);
    EXPECT_EQ(store.readInt("Settings/Big"), std::nullopt);
    store.settings().setValue("Settings/Negative", QString("-2147483648"));
    EXPECT_EQ(store.readInt("Settings/Negative"), -2147483647 - 1);
}

TEST(SettingsTempFolder, AMissingTmpdirFallsBackToTmpNotTheRoot) {
    SettingsSandbox sandbox;
    TempDir temp;
    ScopedEnv tmpdir("TMPDIR", temp.path() + "/no-such-folder");
    app::AppSettings settings;
    settings.readSettings();
    EXPECT_EQ(settings.tempFolder, "/tmp/");
    EXPECT_EQ(settings.saveFolder, "/tmp/");
    EXPECT_EQ(settings.undoFilePath, "/tmp/TMPUndo.bmp");
}

// Records what the codec tells about a download.
class RecordingProgress : public codec::DownloadProgress {
public:
    void started() override { ++starts; }
    void connecting(const std::string& url) override { urls.push_back(url); }
    void received(uint64_t, uint64_t) override {}
    void finished() override { ++finishes; }
    int starts = 0;
    int finishes = 0;
    std::vector<std::string> urls;
};

// A port on 127.0.0.1 that nothing listens on.
int closedLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        throw std::runtime_error("socket failed");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        throw std::runtime_error("bind failed");
    }
    const int port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

TEST_F(SettingsTest, CreateCodecSetsTheCodecUp) {
    app::AppSettings settings;
    settings.readSettings();
    EXPECT_EQ(settings.codec(), nullptr);
    settings.createCodec();
    codec::Codec* codec = settings.codec();
    ASSERT_NE(codec, nullptr);
    EXPECT_EQ(settings.undoFilePath, tempFolder + "TMPUndo.bmp");

    // Errors come back as results, not exceptions.
    int loaded = -1;
    EXPECT_NO_THROW(loaded = codec->loadImage(temp.file("missing.bmp"), ""));
    EXPECT_EQ(loaded, 0);
    EXPECT_NE(codec->errorcode(), codeOf(CodecError::none));
    EXPECT_FALSE(codec->errordescription().empty());

    // The undo picture goes to the temporary folder.
    const std::string picture = temp.file("g.bmp");
    auto dib = testing_support::makeGreyDib(8, 4);
    ASSERT_TRUE(bitmap::ImageProc().saveBitmap(picture, dib));
    ASSERT_NE(codec->loadImage(picture, ""), 0) << codec->errordescription();
    ASSERT_NE(codec->makeUndoFile(), 0) << codec->errordescription();
    EXPECT_TRUE(fs::exists(tempFolder + "TMPUndo.bmp"));

    // Resizing a grey picture averages its pixels instead of dropping some.
    auto pair = testing_support::makeGreyDib(2, 1);
    testing_support::setPixel(pair, 0, 0, 0);
    testing_support::setPixel(pair, 1, 0, 254);
    ASSERT_TRUE(bitmap::ImageProc().saveBitmap(picture, pair));
    ASSERT_NE(codec->loadImage(picture, ""), 0);
    ASSERT_NE(codec->resizeTo(1, 1, 1), 0) << codec->errordescription();
    ASSERT_NE(codec->saveBmp(temp.file("one.bmp")), 0);
    const auto one = bitmap::ImageProc().loadBitmap(temp.file("one.bmp"));
    ASSERT_TRUE(one);
    EXPECT_EQ(one->storedRow(0)[0], 127);

    // Downloads report their course.
    RecordingProgress progress;
    codec->setDownloadProgress(&progress);
    const std::string url =
        "http://127.0.0.1:" + std::to_string(closedLoopbackPort()) + "/picture.bmp";
    EXPECT_EQ(codec->loadImage(url, ""), 0);
    EXPECT_EQ(progress.starts, 1);
    EXPECT_EQ(progress.finishes, 1);
    EXPECT_EQ(progress.urls, std::vector<std::string>{url});
    codec->setDownloadProgress(nullptr);

    settings.writeSettings();
    EXPECT_EQ(settings.codec(), nullptr);
    // The temporary files go at exit.
    settings.removeTempFiles();
    EXPECT_FALSE(fs::exists(tempFolder + "TMPUndo.bmp"));
}

}  // namespace
