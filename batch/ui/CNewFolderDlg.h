#pragma once

#include <QDialog>

class QLineEdit;

namespace batchui {

// The small dialog that asks for the name of a new folder.
class CNewFolderDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNewFolderDlg(QWidget* parent = nullptr);

    QString name() const;

private:
    QLineEdit* nameEdit_;
};

}  // namespace batchui
