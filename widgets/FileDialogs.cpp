#include "widgets/FileDialogs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <algorithm>

#include "widgets/Texts.h"
#include "widgets/Translate.h"

namespace widgets {

void prepareFileDialog(QFileDialog& dialog, const QStringList& filters, int filterIndex) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(std::clamp(filterIndex, 1, int(filters.size())) - 1));
    dialog.setLabelText(QFileDialog::Reject, translate(text::kStorno));
    // Qt's box shrinks to whatever room the dialog leaves and cuts the long
    // first filter off; sized to its contents it shows every filter whole,
    // and the dialog grows to fit it.
    if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        types->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        types->view()->setTextElideMode(Qt::ElideNone);
        types->setMinimumWidth(types->sizeHint().width());
    }
}

int chosenFilterIndex(const QFileDialog& dialog, const QStringList& filters) {
    return std::max(1, int(filters.indexOf(dialog.selectedNameFilter())) + 1);
}

}  // namespace widgets
