#pragma once

#include <QWidget>

#include <string>

class QLineEdit;

// The settings sheet's page "Složky": the save folder and the working
// folder, each typed or chosen with the folder picker.
namespace app::ui {

class FoldersPage final : public QWidget {
    Q_OBJECT
public:
    explicit FoldersPage(QWidget* parent = nullptr);

    void setFolders(const std::string& saveFolder, const std::string& workingFolder);
    std::string saveFolder() const;
    std::string workingFolder() const;

    QLineEdit& saveFolderEdit() { return *saveFolderEdit_; }
    QLineEdit& workingFolderEdit() { return *workingFolderEdit_; }

private:
    void browse(QLineEdit& edit);

    QLineEdit* saveFolderEdit_;
    QLineEdit* workingFolderEdit_;
};

}  // namespace app::ui
