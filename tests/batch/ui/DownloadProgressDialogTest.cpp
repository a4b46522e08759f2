#include <QProgressBar>
#include <filesystem>

#include "batch/ui/DownloadProgressDialog.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"
#include "tests/qtsupport/WidgetTestSupport.h"

namespace {

// Remembers every line the window showed while a download ran.
class WatchedProgress : public batchui::DownloadProgressDialog {
public:
    void received(uint64_t soFar, uint64_t total) override {
        batchui::DownloadProgressDialog::received(soFar, total);
        statuses.push_back(statusLine().toStdString());
        shownWhileReceiving = shownWhileReceiving && isVisible();
    }
    std::vector<std::string> statuses;
    bool shownWhileReceiving = true;
};

}  // namespace

TEST(DownloadProgress, LinesFollowTheDownload) {
    batchui::DownloadProgressDialog window;
    EXPECT_EQ(window.windowTitle().toStdString(), "Probíhá stahování");
    EXPECT_FALSE(window.isVisible());

    window.started();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(window.statusLine().toStdString(), "Status: Zahajuji stahování...");
    EXPECT_EQ(window.urlLine().toStdString(), "   URL: Vyhodnocuji");
    EXPECT_EQ(window.progressBar()->value(), 0);

    window.connecting("http://host/a.gif");
    EXPECT_EQ(window.urlLine().toStdString(), "   URL: http://host/a.gif");
    EXPECT_EQ(window.statusLine().toStdString(), "Status: Připojuji se na Internet...");

    window.received(2048, 5000);
    EXPECT_EQ(window.statusLine().toStdString(), "Status: staženo 2048 bytů");
    EXPECT_EQ(window.urlLine().toStdString(), "URL: http://host/a.gif");
    EXPECT_EQ(window.progressBar()->maximum(), 5000);
    EXPECT_EQ(window.progressBar()->value(), 2048);
    batchui_test::saveScreenshot(window, "download-progress");

    // Lengths past what an int counts keep the bar in proportion.
    const uint64_t huge = 6'000'000'000ull;
    window.received(huge / 2, huge);
    EXPECT_EQ(window.statusLine().toStdString(), "Status: staženo 3000000000 bytů");
    const double shown = double(window.progressBar()->value()) / window.progressBar()->maximum();
    EXPECT_NEAR(shown, 0.5, 0.01);
    window.received(huge, huge);
    EXPECT_LE(window.progressBar()->value(), window.progressBar()->maximum());

    window.finished();
    EXPECT_FALSE(window.isVisible());
}

TEST(DownloadProgress, FollowsARealDownloadThroughTheCodec) {
    testing_support::TempDir dir;
    const std::string picture = batchui_test::writeGreyBmp(
        dir.file("big.bmp"), 120, 100, [](int x, int y) { return (x + y) % 256; });
    const auto size = std::filesystem::file_size(picture);

    WatchedProgress window;
    codec::Codec owner;
    owner.setThrowException(false);
    owner.setDownloadProgress(&window);
    owner.setShowDownloadProgress(true);
    std::string error;
    ASSERT_TRUE(owner.loadFromUrl("file://" + picture, dir.file("copy.bmp"), error, true)) << error;

    // One line per block of at most 1024 bytes, the last with the whole size.
    ASSERT_EQ(window.statuses.size(), (size + 1023) / 1024);
    EXPECT_EQ(window.statuses.back(), "Status: staženo " + std::to_string(size) + " bytů");
    EXPECT_TRUE(window.shownWhileReceiving);
    EXPECT_EQ(window.urlLine().toStdString(), "URL: file://" + picture);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(owner.bmpWidth(), 120);
}
