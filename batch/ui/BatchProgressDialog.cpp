#include "batch/ui/BatchProgressDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "batch/ui/Texts.h"
#include "widgets/Translate.h"

namespace batchui {

namespace {

namespace text = batchui::text;

QLabel* line(std::string_view initial, const char* name, QWidget* parent) {
    auto* label = new QLabel(translate(initial), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

BatchProgressDialog::BatchProgressDialog(QWidget* parent)
    : QDialog(parent),
      file_(line(text::kProgressInitialFile, "fileLine", this)),
      status_(line(text::kProgressInitialStatus, "statusLine", this)),
      remaining_(line(text::kProgressUnknown, "remainingLine", this)),
      processed_(line(text::kProgressInitialCount, "processedLine", this)),
      errors_(line(text::kProgressInitialCount, "errorsLine", this)) {
    setWindowTitle(translate(text::kProgressWindowTitle));
    setModal(false);
    // No close button: the run cannot be stopped and the window goes with it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    // Long paths shorten in the middle rather than widen the window.
    const int wide = file_->fontMetrics().averageCharWidth() * 56;
    file_->setMinimumWidth(wide);
    file_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file_);
    layout->addWidget(status_);
    layout->addSpacing(8);
    layout->addWidget(remaining_);
    layout->addWidget(processed_);
    layout->addWidget(errors_);
}

void BatchProgressDialog::update(int processed, int remaining, int errors, const std::string& file,
                                 const std::string& status) {
    const QString name = QString::fromStdString(file);
    file_->setText(translate(text::kProgressFile).arg(name));
    file_->setToolTip(name);
    status_->setText(translate(text::kProgressStatus).arg(QString::fromStdString(status)));
    const QString processedLabel = translate(text::kProgressProcessed);
    const QString remainingLabel = translate(text::kProgressRemaining);
    const QString errorsLabel = translate(text::kProgressErrors);
    if (remaining < 0) {
        processed_->setText(processedLabel + QStringLiteral("   -------"));
        remaining_->setText(remainingLabel + QStringLiteral("   ") +
                            translate(text::kProgressUnknown));
        errors_->setText(errorsLabel + QStringLiteral(" -------"));
    } else {
        processed_->setText(processedLabel + QStringLiteral("   %1").arg(processed));
        remaining_->setText(remainingLabel + QStringLiteral("   %1").arg(remaining));
        errors_->setText(errorsLabel + QStringLiteral("  %1").arg(errors));
    }
    if (!isVisible())
        show();
    // Let this window and the main window repaint; clicks and keys wait, so
    // no other command can start in the middle of the run.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    emit updated();
}

QString BatchProgressDialog::fileText() const {
    return file_->text();
}
QString BatchProgressDialog::statusText() const {
    return status_->text();
}
QString BatchProgressDialog::processedText() const {
    return processed_->text();
}
QString BatchProgressDialog::remainingText() const {
    return remaining_->text();
}
QString BatchProgressDialog::errorsText() const {
    return errors_->text();
}

}  // namespace batchui
