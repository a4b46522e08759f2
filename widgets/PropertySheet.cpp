#include "widgets/PropertySheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "widgets/OkCancelButtons.h"

namespace widgets {

PropertySheet::PropertySheet(const QString& title, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setWindowTitle(title);
    tabs_->setObjectName("pages");
    auto* buttons = widgets::makeOkCancelButtons(*this);
    buttons->setObjectName("sheetButtons");
    connect(tabs_, &QTabWidget::currentChanged, this, &PropertySheet::tabChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
}

void PropertySheet::addPage(QWidget* page, LeaveStep leave) {
    switching_ = true;
    tabs_->addTab(page, page->windowTitle());
    switching_ = false;
    leaveSteps_.push_back(std::move(leave));
    shown_ = tabs_->currentIndex();
}

int PropertySheet::currentPage() const {
    return tabs_->currentIndex();
}

bool PropertySheet::showPage(int index) {
    tabs_->setCurrentIndex(index);
    return tabs_->currentIndex() == index;
}

bool PropertySheet::leaveCurrent() {
    if (shown_ < 0 || shown_ >= static_cast<int>(leaveSteps_.size()))
        return true;
    const LeaveStep& leave = leaveSteps_[static_cast<size_t>(shown_)];
    return !leave || leave();
}

void PropertySheet::tabChosen(int index) {
    if (switching_ || index == shown_)
        return;
    // The tab has already changed; go back to the page being left so that
    // its refusal shows over it, and move on only when it lets go.
    switching_ = true;
    tabs_->setCurrentIndex(shown_);
    switching_ = false;
    if (!leaveCurrent())
        return;
    switching_ = true;
    tabs_->setCurrentIndex(index);
    switching_ = false;
    shown_ = index;
}

void PropertySheet::accept() {
    if (!leaveCurrent())
        return;
    confirmed();
    QDialog::accept();
}

}  // namespace widgets
