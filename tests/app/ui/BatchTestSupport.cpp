#include "tests/app/ui/BatchTestSupport.h"

#include <QApplication>
#include <QEvent>

#include "batch/ui/BatchProgressDialog.h"

namespace appui_test {

ProgressWatcher::ProgressWatcher(QWidget* view) : view_(view) {
    qApp->installEventFilter(this);
}

ProgressWatcher::~ProgressWatcher() {
    qApp->removeEventFilter(this);
}

std::vector<std::string> ProgressWatcher::statuses() const {
    std::vector<std::string> texts;
    for (const Step& step : steps)
        texts.push_back(step.status.mid(QStringLiteral("Status: ").size()).toStdString());
    return texts;
}

std::vector<ProgressWatcher::Step> ProgressWatcher::finishedEntries() const {
    std::vector<Step> finished;
    for (const Step& step : steps)
        if (step.status == QStringLiteral("Status: Ukončeno"))
            finished.push_back(step);
    return finished;
}

bool ProgressWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show) {
        // The window shows itself in its first update, before it says so.
        if (auto* progress = qobject_cast<batchui::BatchProgressDialog*>(widget);
            progress && !seen_) {
            seen_ = true;
            connect(progress, &batchui::BatchProgressDialog::updated, this, [this, progress] {
                steps.push_back({progress->fileText(), progress->statusText(),
                                 progress->processedText(), progress->remainingText(),
                                 progress->errorsText(), progressPaints_, viewPaints_});
                if (onStep)
                    onStep(steps.size() - 1);
            });
        }
    } else if (event->type() == QEvent::Paint) {
        if (qobject_cast<batchui::BatchProgressDialog*>(widget->window()))
            ++progressPaints_;
        else if (view_ && (widget == view_ || view_->isAncestorOf(widget)))
            ++viewPaints_;
    }
    return false;
}

}  // namespace appui_test
