#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "batch/core/FolderBrowser.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace widgets {

// "Najít složku": chooses a folder among the sub-folders of the current one,
// changing "drives" (the file system's root, the home folder and mounted
// volumes) and making new folders on the way; a folder's path may also be
// typed or pasted into the path field (Return goes there). OK writes the
// chosen folder back into the caller's string.
class FolderPickerDialog : public QDialog {
    Q_OBJECT
public:
    // Opens at `folder`, or at the nearest existing folder above it; a name
    // without any folder in it opens at `fallbackFolder` (the home folder
    // when that is empty).
    explicit FolderPickerDialog(std::string& folder, QWidget* parent = nullptr,
                                const std::string& fallbackFolder = {});

    const std::string& currentFolder() const { return browser_.current(); }

    // What a "Browse" button beside a folder edit does: opens the picker at
    // `start` (as the constructor does) and, on OK, puts the chosen folder
    // into the edit.
    static void chooseInto(QLineEdit& edit, const std::string& start, QWidget* parent,
                           const std::string& fallbackFolder = {});

    // The root, the home folder and the mounted volumes a user would look
    // at, each once.
    static std::vector<std::string> systemDrives();

    void accept() override;

private:
    void refresh();
    void enter(QListWidgetItem* item);
    void chooseDrive(int index);
    void makeNewFolder();
    // Goes to the folder in the path field; false (after saying so) when
    // there is none.
    bool goToTypedPath();

    std::string& folder_;
    batch::FolderBrowser browser_;
    QLabel* folderLabel_ = nullptr;
    QListWidget* list_ = nullptr;
    QComboBox* drives_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
};

}  // namespace widgets
