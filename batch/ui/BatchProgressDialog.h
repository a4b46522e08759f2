#pragma once

#include <QDialog>

#include "batch/core/BatchRun.h"

class QLabel;

namespace batchui {

// "Probíhá konverze...": the modeless window that follows a batch run. It
// has no buttons; each update sets its five lines and shows it. The run
// holds the event loop, so every update also lets the windows repaint
// (user input waits until the run is over).
class BatchProgressDialog : public QDialog, public batch::BatchProgress {
    Q_OBJECT
public:
    explicit BatchProgressDialog(QWidget* parent = nullptr);

    // A negative `remaining` means the total is not known yet.
    void update(int processed, int remaining, int errors, const std::string& file,
                const std::string& status) override;

    QString fileText() const;
    QString statusText() const;
    QString processedText() const;
    QString remainingText() const;
    QString errorsText() const;

signals:
    // The lines were set and the windows had their chance to repaint.
    void updated();

private:
    QLabel* file_;
    QLabel* status_;
    QLabel* remaining_;
    QLabel* processed_;
    QLabel* errors_;
};

}  // namespace batchui
