#pragma once

#include <QWidget>

#include "batch/core/BatchCommandFlow.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace batchui {

// The batch sheet's page "Nastavení": the output folder and format, the
// run's stop-on-error and confirmation flags, and the resizing after the
// conversion (into a box or for a phone of the phone table).
class BatchSettingsPage : public QWidget {
    Q_OBJECT
public:
    // The page shows `settings` and the command's `values`; it stores into
    // both when it is left (see leave()).
    BatchSettingsPage(batch::BatchSettings& settings, batch::BatchSheetValues& values,
                      QWidget* parent = nullptr);

    // Checks the box size (width 1..1280, height 1..1024); a number out of
    // range shows the range message, puts the focus on its edit and gives
    // false. Otherwise stores the page and gives true.
    bool leave();

private:
    void browse();
    void applyEnablingRule();

    batch::BatchSettings& settings_;
    batch::BatchSheetValues& values_;
    QLineEdit* folderEdit_;
    QButtonGroup* formats_;
    QCheckBox* stopOnError_;
    QCheckBox* waitForConfirmation_;
    QCheckBox* resize_;
    QRadioButton* boxMode_;
    QRadioButton* phoneMode_;
    QLineEdit* boxWidth_;
    QLineEdit* boxHeight_;
    QComboBox* phones_;
};

}  // namespace batchui
