#pragma once

#include <QWidget>

class QToolButton;

namespace widgets {

// A pair of small arrow buttons beside an edit that step its number up or
// down; held down, they repeat.
class StepButtons : public QWidget {
    Q_OBJECT
public:
    explicit StepButtons(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void stepped(int step);

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace widgets
