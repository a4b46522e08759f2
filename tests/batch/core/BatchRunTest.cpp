#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <mutex>

#include "base/FileIO.h"
#include "batch/core/BatchRun.h"
#include "batch/core/Texts.h"
#include "bitmap/gif/GifWriter.h"
#include "support/CliRun.h"
#include "tests/app/core/DocumentFixture.h"

using batch::BatchRun;
using batch::BatchRunOptions;
using batch::BatchSettings;
using testing_support::readFile;
using testing_support::writeGradientBmp;

namespace {

struct ProgressStep {
    int processed, remaining, errors;
    std::string file, status;
};

class RecordingProgress : public batch::BatchProgress {
public:
    void update(int processed, int remaining, int errors, const std::string& file,
                const std::string& status) override {
        steps.push_back({processed, remaining, errors, file, status});
    }
    bool showsSteps() const override { return shows; }
    std::vector<ProgressStep> steps;
    bool shows = true;
};

struct BatchRunTest : testing_support::DocumentFixture {
    BatchRunTest() {
        out = work.path() + "/out";
        ::mkdir(out.c_str(), 0777);
        batchSettings.outputFolder = out;
        batchSettings.outputFormat = codec::kFormatWbmp;
    }
    batch::BatchSummary run(const std::string& list, BatchRunOptions options = {}) {
        return BatchRun(doc, ui, progress).run(batchSettings, list, options);
    }
    std::string out;
    BatchSettings batchSettings;
    RecordingProgress progress;
};

TEST_F(BatchRunTest, SameNamesGetNumberedAndPagesFollowThem) {
    const auto a = writeGradientBmp(work.file("a.bmp"), 20, 10);
    // The second source: a JPEG when cjpeg can make one, else a GIF.
    std::string second = work.file("a.gif");
    ASSERT_TRUE(bitmap::GifWriter(testing_support::makeGreyDib(8, 8, 8)).save(second, true) == 0);
    if (testing_support::hasTool("cjpeg")) {
        const auto source = writeGradientBmp(work.file("src.bmp"), 8, 8);
        second = work.file("a.jpg");
        ASSERT_EQ(testing_support::runCommand("cjpeg -outfile " + testing_support::quote(second) +
                                              " " + testing_support::quote(source))
                      .exitCode,
                  0);
    }
    batchSettings.createWmlPages = true;
    const auto summary = run(a + "\n" + second + "\n");
    EXPECT_EQ(summary.done, 2);
    EXPECT_EQ(summary.errors, 0);
    EXPECT_TRUE(bitmap::fileExists(out + "/a.wbmp"));
    EXPECT_TRUE(bitmap::fileExists(out + "/a(1).wbmp"));
    EXPECT_TRUE(bitmap::fileExists(out + "/a.wml"));
    EXPECT_TRUE(bitmap::fileExists(out + "/a(1).wml"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Všech 2 obrázků bylo zkonvertováno úspěšně");
    EXPECT_EQ(ui.messages[0].caption, "Dávková konverze kompletní");
    // The document holds the last picture.
    EXPECT_EQ(doc.pathName(), second);
    const std::string page(reinterpret_cast<const char*>(readFile(out + "/a(1).wml").data()),
                           readFile(out + "/a(1).wml").size());
    EXPECT_NE(page.find("<img src=\"a(1).wbmp\" width=\"8\" height=\"8\" alt=\"a(1).wbmp\"/>"),
              std::string::npos);
}

// The grey picture is resized before it is made black and white.
TEST_F(BatchRunTest, ProgressTextsComeInOrder) {
    const auto a = writeGradientBmp(work.file("a.bmp"), 20, 10);
    batchSettings.resizeEnabled = true;
    batchSettings.resizeMode = batch::ResizeMode::box;
    batchSettings.boxWidth = 10;
    batchSettings.boxHeight = 10;
    batchSettings.createWmlPages = true;
    run(a + "\n");
    std::vector<std::string> statuses;
    for (const auto& step : progress.steps)
        statuses.push_back(step.status);
    EXPECT_EQ(statuses, (std::vector<std::string>{
                            "Počítám obrázky", "Začínám...", "Vytvářím výstupní soubor",
                            "Nahrávám obrázek", "Měním velikost", "Konvertuji do černobíla...",
                            "Ukládám zkonvertovaný obrázek", "Vytvářím WML stránku", "Ukončeno"}));
    EXPECT_EQ(progress.steps.front().remaining, -1);
    EXPECT_EQ(progress.steps[1].remaining, 1);
    EXPECT_EQ(progress.steps.back().processed, 1);
    EXPECT_EQ(progress.steps.back().remaining, 0);
    // Resized after conversion into the 10 x 10 box.
    const auto wbmp = readFile(out + "/a.wbmp");
    EXPECT_EQ(wbmp[2], 10);
    EXPECT_EQ(wbmp[3], 5);
}

// A run whose progress shows nothing translates no text while it converts
// (glyphon-cli loads the catalogue beside the work): only the summary.
std::mutex translatedLock;
std::vector<std::string> translatedTexts;
std::string_view recordingTranslator(std::string_view source) {
    const std::lock_guard lock(translatedLock);
    translatedTexts.emplace_back(source);
    return source;
}

TEST_F(BatchRunTest, AHiddenProgressGetsNoStepsAndNoTextIsTranslated) {
    const auto a = writeGradientBmp(work.file("a.bmp"), 20, 10);
    progress.shows = false;
    batchSettings.resizeEnabled = true;
    batchSettings.boxWidth = 10;
    batchSettings.boxHeight = 10;
    BatchRunOptions options;
    options.showSummary = false;
    bitmap::setTextTranslator(&recordingTranslator);
    const auto summary = run(a + "\n", options);
    bitmap::setTextTranslator(nullptr);
    EXPECT_EQ(summary.errors, 0);
    EXPECT_TRUE(progress.steps.empty());
    EXPECT_EQ(translatedTexts,
              std::vector<std::string>{std::string(batch::text::kAllConverted.source())});
}

TEST_F(BatchRunTest, FailuresAreCountedListedAndSummarisedInOrder) {
    const auto good = writeGradientBmp(work.file("good.bmp"), 8, 8);
    testing_support::writeFile(work.file("bad.bmp"), std::string("nothing"));
    batchSettings.createWmlPages = true;
    batchSettings.wml.separateFolder = true;
    batchSettings.wml.folder = work.file("no/such/folder");
    const auto summary = run(work.file("bad.bmp") + "\n" + good + "\n");
    EXPECT_EQ(summary.total, 2);
    EXPECT_EQ(summary.done, 0);
    EXPECT_EQ(summary.errors, 2);
    // The failed page leaves the picture saved.
    EXPECT_TRUE(bitmap::fileExists(out + "/good.wbmp"));
    EXPECT_FALSE(bitmap::fileExists(out + "/bad.wbmp"));
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string& text = ui.messages[0].text;
    EXPECT_EQ(text.rfind("0 Souborů zkonvertováno úspěšně (z 2 celkem).\n\nNastalo 2 chyb:\n"
                         "Nepodařilo se nahrát soubor " +
                             work.file("bad.bmp") + ": ",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("\nNepodařilo se vytvořit WML soubor '" + work.file("no/such/folder") +
                        "/good.wml'\n"),
              std::string::npos)
        << text;
}

TEST_F(BatchRunTest, AFailedSaveSaysWhy) {
    const auto good = writeGradientBmp(work.file("good.bmp"), 8, 8);
    BatchRunOptions options;
    options.singleOutputPath = work.file("gone/good.wbmp");
    const auto summary = run(good + "\n", options);
    EXPECT_EQ(summary.errors, 1);
    const std::string failed =
        "Nepodařilo se uložit obrázek '" + good + "' jako '" + work.file("gone/good.wbmp") + "'\n";
    ASSERT_EQ(summary.errorList.rfind(failed, 0), 0u) << summary.errorList;
    // The codec's own message follows, on a line of its own.
    const std::string why = summary.errorList.substr(failed.size());
    EXPECT_EQ(why, doc.codec().errordescription() + "\n");
    EXPECT_EQ(why.rfind("Interní funkce nalezla či způsobila tuto chybu:\n", 0), 0u) << why;
}

TEST_F(BatchRunTest, SummaryNumbersComeDoneTotalErrors) {
    const auto one = writeGradientBmp(work.file("one.bmp"), 8, 8);
    const auto two = writeGradientBmp(work.file("two.bmp"), 8, 8);
    const auto summary = run(one + "\n" + work.file("missing.bmp") + "\n" + two + "\n");
    EXPECT_EQ(summary.done, 2);
    EXPECT_EQ(summary.total, 3);
    EXPECT_EQ(summary.errors, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("2 Souborů zkonvertováno úspěšně (z 3 celkem).\n\nNastalo "
                                        "1 chyb:\nNepodařilo se nahrát soubor " +
                                            work.file("missing.bmp") + ": ",
                                        0),
              0u)
        << ui.messages[0].text;
}

TEST_F(BatchRunTest, StopOnErrorShowsEachFailure) {
    testing_support::writeFile(work.file("bad.bmp"), std::string("nothing"));
    BatchRunOptions options;
    options.stopOnError = true;
    run(work.file("bad.bmp") + "\n" + work.file("missing.jpg") + "\n", options);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].caption, "Chyba");
    EXPECT_EQ(ui.messages[0].icon, app::MessageIcon::error);
    EXPECT_EQ(
        ui.messages[1].text.rfind("Nepodařilo se nahrát soubor " + work.file("missing.jpg"), 0),
        0u);
    EXPECT_EQ(ui.messages[2].caption, "Dávková konverze kompletní");
}

// Worker documents for a run on threads, each with its own settings and
// codec in the fixture's folder; as the command-line tool's, their exchange
// files are kept apart by a tag and none keeps an undo picture, so that no
// two threads share a file.
struct WorkerDocuments {
    explicit WorkerDocuments(size_t count, const std::string& folder) : parts(count) {
        for (size_t i = 0; i < count; ++i) {
            Part& part = parts[i];
            part.settings.tempFolder = folder + "/";
            part.settings.saveFolder = folder;
            part.settings.workingFolder = folder;
            part.settings.createCodec();
            part.settings.codec()->setUndoFile("");
            part.document = std::make_unique<app::PictureDocument>(part.settings, part.ui, host);
            part.document->setExchangeTag("-" + std::to_string(i + 1));
        }
    }
    std::vector<batch::BatchWorker> workers() {
        std::vector<batch::BatchWorker> list;
        for (Part& part : parts)
            list.push_back({part.document.get(), {}});
        return list;
    }
    struct Part {
        app::AppSettings settings;
        testing_support::RecordingUi ui;
        std::unique_ptr<app::PictureDocument> document;
    };
    app::DocumentHost host;
    std::vector<Part> parts;
};

// Threads leave what one thread leaves, also when the user stops the run at
// a failure: the entries after it are neither saved nor counted.
TEST_F(BatchRunTest, ThreadsStopWhereOneThreadStops) {
    std::string list;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g"})
        list += (std::string(name) == "c"
                     ? work.file("c.bmp")
                     : writeGradientBmp(work.file(std::string(name) + ".bmp"), 12, 9)) +
                "\n";
    const auto runOn = [&](size_t threads) {
        WorkerDocuments documents(threads >= 2 ? 2 * threads : 0, work.path());
        BatchRunOptions options;
        options.stopOnError = true;
        options.askToStop = true;
        options.workers = documents.workers();
        options.threads = threads;
        ui.messages.clear();
        ui.answers = {true};
        const auto summary = run(list, options);
        std::vector<std::string> files;
        for (const auto& file : std::filesystem::directory_iterator(out))
            files.push_back(file.path().filename().string());
        std::sort(files.begin(), files.end());
        std::filesystem::remove_all(out);
        ::mkdir(out.c_str(), 0777);
        return std::tuple{summary.done, summary.errors, summary.stopped, files, ui.messages.size()};
    };
    const auto serial = runOn(1);
    EXPECT_EQ(std::get<0>(serial), 2);
    EXPECT_TRUE(std::get<2>(serial));
    EXPECT_EQ(std::get<3>(serial), (std::vector<std::string>{"a.wbmp", "b.wbmp"}));
    for (const size_t threads : {2u, 3u})
        EXPECT_EQ(runOn(threads), serial) << threads;
}

TEST_F(BatchRunTest, UnknownOrUnwritableFormatEndsTheRunWithoutSummary) {
    const auto input = writeGradientBmp(work.file("a.bmp"), 4, 4) + "\n";
    for (const int format : {99, int{codec::kFormatJpeg}}) {
        ui.messages.clear();
        batchSettings.outputFormat = format;
        const auto summary = run(input);
        EXPECT_FALSE(summary.ran) << format;
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "Kritická chyba: Neznámý formát");
    }
    EXPECT_TRUE(std::filesystem::is_empty(out));
}

TEST_F(BatchRunTest, ExistingPicturesAreNeverOverwritten) {
    testing_support::writeFile(out + "/a.bmp", std::string("keep me"));
    batchSettings.outputFormat = codec::kFormatBmp;
    const auto a = writeGradientBmp(work.file("a.jpeg.bmp"), 4, 4);
    ::mkdir(work.file("sub.d").c_str(), 0777);
    const auto b = writeGradientBmp(work.file("sub.d/a.bmp"), 4, 4);
    (void)a;
    run(b + "\n");
    EXPECT_EQ(readFile(out + "/a.bmp").size(), 7u);
    EXPECT_TRUE(bitmap::fileExists(out + "/a(1).bmp"));
}

TEST(BatchTexts, ConfirmationAndCounting) {
    EXPECT_EQ(batch::confirmationText("a.bmp\nb.bmp\n", true),
              "Soubory ke zkonvertování:\n\na.bmp\nb.bmp\n\nZastavit při chybě: Ano\n");
    EXPECT_EQ(batch::countEntries("a\nb\nc"), 2);
    EXPECT_EQ(batch::countEntries(""), 0);
}

}  // namespace
