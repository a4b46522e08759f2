#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

// Follows a batch run from the outside: every text of the progress window
// as it was set, and the paint events of the progress window and of the
// main window's view in between.
namespace appui_test {

class ProgressWatcher : public QObject {
public:
    struct Step {
        QString file;
        QString status;
        QString processed;
        QString remaining;
        QString errors;
        int progressPaints = 0;  // paint events of the progress window so far
        int viewPaints = 0;      // paint events of the view so far
    };

    explicit ProgressWatcher(QWidget* view);
    ~ProgressWatcher() override;

    std::vector<Step> steps;
    // Called after each step is recorded, with its index.
    std::function<void(size_t)> onStep;
    // The status texts in order, without "Status: ".
    std::vector<std::string> statuses() const;
    // The steps that ended an entry.
    std::vector<Step> finishedEntries() const;
    bool progressWindowSeen() const { return seen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* view_;
    bool seen_ = false;
    int progressPaints_ = 0;
    int viewPaints_ = 0;
};

}  // namespace appui_test
