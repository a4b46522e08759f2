#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class QTabWidget;

namespace widgets {

// A property sheet: pages on tabs with OK and Cancel below. Each page may
// have a leave step that checks and stores it; when it refuses, the user
// stays on the page, whether they chose another tab or OK. Cancel closes
// the sheet without leaving the page shown, so whatever that page holds is
// not stored; pages left before keep what they stored.
class PropertySheet : public QDialog {
    Q_OBJECT
public:
    using LeaveStep = std::function<bool()>;

    explicit PropertySheet(const QString& title, QWidget* parent = nullptr);

    // Adds a page under its window title.
    void addPage(QWidget* page, LeaveStep leave = {});
    QTabWidget* tabs() const { return tabs_; }
    // The page shown now, and a way to change to another one as a click on
    // its tab would (false when the page shown refused to be left).
    int currentPage() const;
    bool showPage(int index);

    void accept() override;

protected:
    // Called on OK once the page shown has let go, before the sheet closes.
    virtual void confirmed() {}

private:
    void tabChosen(int index);
    bool leaveCurrent();

    QTabWidget* tabs_;
    std::vector<LeaveStep> leaveSteps_;
    int shown_ = 0;
    bool switching_ = false;
};

}  // namespace widgets
