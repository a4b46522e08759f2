#pragma once

#include <QStringList>
#include <QWidget>
#include <string>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace app {
class AppSettings;
}

namespace batchui {

// The batch sheet's page "Výběr souboru": the files and URLs of one run, in
// the order added (duplicates allowed), with buttons to add files, add a
// URL and remove the selected entries, files dropped from a file manager,
// and a status line counting the entries.
class BatchFilesPage : public QWidget {
    Q_OBJECT
public:
    // `fileList` fills the list (every entry followed by "\n");
    // `lastAddFolder` is where the add-files dialog opens and is kept up to
    // date.
    BatchFilesPage(const std::string& fileList, std::string& lastAddFolder,
                   const app::AppSettings& settings, QWidget* parent = nullptr);

    // The run's file list built from the entries.
    std::string fileList() const;
    QStringList entries() const;
    QString statusText() const;

    // Appends entries that can be listed; the status line follows.
    void addEntries(const QStringList& entries);
    // The button's commands.
    void addFiles();
    void addUrl();
    void removeSelected();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void removeEntry(QListWidgetItem* item);
    void showCount();

    std::string& lastAddFolder_;
    const app::AppSettings& settings_;
    QListWidget* list_;
    QLabel* status_;
};

}  // namespace batchui
