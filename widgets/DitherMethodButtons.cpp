#include "widgets/DitherMethodButtons.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "bitmap/dither/DitherMethod.h"
#include "widgets/Texts.h"
#include "widgets/Translate.h"

namespace widgets {

DitherMethodButtons::DitherMethodButtons(const std::array<std::string_view, 5>& classicLabels,
                                         QWidget* parent)
    : QGroupBox(translate(text::kDitheringGroup), parent), buttons_(new QButtonGroup(this)) {
    auto* grid = new QGridLayout(this);
    // Column 0: the classic methods; 1: the diffusion kernels; 2: the masks.
    // The newer columns have a caption in their first row.
    int rows[3] = {0, 1, 1};
    grid->addWidget(new QLabel(translate(text::kDiffusionMethods), this), 0, 1);
    grid->addWidget(new QLabel(translate(text::kMaskMethods), this), 0, 2);
    for (int m = 0; m < bitmap::kDitherMethodCount; ++m) {
        const int column = m < bitmap::kClassicMethodCount ? 0
                           : bitmap::isErrorDiffusion(m)   ? 1
                                                           : 2;
        const QString label = m < bitmap::kClassicMethodCount
                                  ? translate(classicLabels[static_cast<size_t>(m)])
                                  : translate(bitmap::kDitherMethodLabels[m]);
        auto* button = new QRadioButton(label, this);
        buttons_->addButton(button, m);
        grid->addWidget(button, rows[column]++, column);
    }
    grid->setRowStretch(grid->rowCount(), 1);
}

int DitherMethodButtons::method() const {
    return buttons_->checkedId();
}

void DitherMethodButtons::setMethod(int method) {
    if (QAbstractButton* button = buttons_->button(method)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = buttons_->checkedButton()) {
        // An exclusive group keeps one button checked; let go of it briefly.
        buttons_->setExclusive(false);
        checked->setChecked(false);
        buttons_->setExclusive(true);
    }
}

}  // namespace widgets
