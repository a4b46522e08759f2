#include "batch/ui/DownloadProgressDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <limits>

#include "batch/ui/Texts.h"
#include "widgets/Translate.h"

namespace batchui {

namespace {
namespace text = batchui::text;
// Lengths beyond what the bar counts in are shown in thousandths.
constexpr uint64_t kBarLimit = std::numeric_limits<int>::max();
constexpr int kScaledMaximum = 1000;
}  // namespace

DownloadProgressDialog::DownloadProgressDialog(QWidget* parent)
    : QDialog(parent),
      bar_(new QProgressBar(this)),
      urlLabel_(new QLabel(this)),
      statusLabel_(new QLabel(this)) {
    setWindowTitle(translate(text::kProgressTitle));
    setModal(false);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(320);
    urlLabel_->setObjectName("urlLine");
    urlLabel_->setTextFormat(Qt::PlainText);
    urlLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusLabel_->setObjectName("statusLine");
    statusLabel_->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addWidget(urlLabel_);
    layout->addWidget(statusLabel_);
}

QString DownloadProgressDialog::urlLine() const {
    return urlLabel_->text();
}

QString DownloadProgressDialog::statusLine() const {
    return statusLabel_->text();
}

void DownloadProgressDialog::started() {
    bar_->setRange(0, 100);
    bar_->setValue(0);
    statusLabel_->setText(translate(text::kStatusStarting));
    urlLabel_->setText(translate(text::kUrlEvaluating));
    present();
}

void DownloadProgressDialog::connecting(const std::string& url) {
    url_ = QString::fromStdString(url);
    urlLabel_->setText(translate(text::kUrlConnecting).arg(url_));
    urlLabel_->setToolTip(url_);
    statusLabel_->setText(translate(text::kStatusConnecting));
    present();
}

void DownloadProgressDialog::received(uint64_t soFar, uint64_t total) {
    if (total < soFar)
        total = soFar;
    if (total <= kBarLimit) {
        bar_->setRange(0, static_cast<int>(total));
        bar_->setValue(static_cast<int>(soFar));
    } else {
        bar_->setRange(0, kScaledMaximum);
        bar_->setValue(static_cast<int>(soFar / (total / kScaledMaximum + 1)));
    }
    statusLabel_->setText(translate(text::kStatusReceived).arg(soFar));
    urlLabel_->setText(translate(text::kUrlReceiving).arg(url_));
    present();
}

void DownloadProgressDialog::finished() {
    hide();
}

void DownloadProgressDialog::present() {
    if (!isVisible())
        show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace batchui
