#pragma once

#include <QWidget>

#include "batch/core/BatchSettings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace batchui {

// The batch sheet's page "WML stránky": whether a WML page is written for
// every picture, the prefix put before the picture's name, a folder of the
// pages' own and the pictures' alternative text.
class BatchWmlPage : public QWidget {
    Q_OBJECT
public:
    BatchWmlPage(batch::BatchSettings& settings, QWidget* parent = nullptr);

    // Stores the page into the settings.
    void leave();

private:
    void browse();
    void applyEnablingRule();

    batch::BatchSettings& settings_;
    QCheckBox* createPages_;
    QCheckBox* prefixCheck_;
    QLineEdit* prefixEdit_;
    QCheckBox* folderCheck_;
    QLineEdit* folderEdit_;
    QPushButton* browse_;
    QRadioButton* altName_;
    QRadioButton* altCustom_;
    QLineEdit* altEdit_;
};

}  // namespace batchui
