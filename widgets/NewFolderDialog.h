#pragma once

#include <QDialog>

class QLineEdit;

namespace widgets {

// The small dialog that asks for the name of a new folder.
class NewFolderDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewFolderDialog(QWidget* parent = nullptr);

    QString name() const;

private:
    QLineEdit* nameEdit_;
};

}  // namespace widgets
