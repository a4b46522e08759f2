#pragma once

#include <QDialog>

#include "codec/url/DownloadProgress.h"

class QLabel;
class QProgressBar;

namespace batchui {

// "Probíhá stahování": the modeless window that follows a download with a
// progress bar, the URL and a status line. The codec reports to it; it shows
// itself when a download starts and hides when it is over.
class DownloadProgressDialog : public QDialog, public codec::DownloadProgress {
    Q_OBJECT
public:
    explicit DownloadProgressDialog(QWidget* parent = nullptr);

    void started() override;
    void connecting(const std::string& url) override;
    void received(uint64_t soFar, uint64_t total) override;
    void finished() override;

    QString urlLine() const;
    QString statusLine() const;
    QProgressBar* progressBar() const { return bar_; }

private:
    // Brings the window on the screen up to date; the download holds the
    // event loop, so the repaint happens here.
    void present();

    QProgressBar* bar_;
    QLabel* urlLabel_;
    QLabel* statusLabel_;
    QString url_;
};

}  // namespace batchui
