#pragma once

#include <QString>
#include <QStringList>

// The recent-file list of the "Soubor" menu: at most four paths, the most
// recent first, kept in the settings store (group "Recent File List",
// values "File1" to "File4") of organisation "Vendra", application
// "WAP Glyphon". Every change is written to the store at once, so a crash
// loses nothing.
namespace app::ui {

class RecentFiles {
public:
    static constexpr int kMaximum = 4;

    // Reads the list from the store; empty and duplicate entries are dropped.
    RecentFiles();

    const QStringList& paths() const { return paths_; }
    bool isEmpty() const { return paths_.isEmpty(); }

    // Puts the path at the top (moving it there when already listed); the
    // oldest entry drops off beyond four.
    void add(const QString& path);
    // Removes a path from the list (a file that no longer opens).
    void remove(const QString& path);

    // The menu text of an entry: "&1 " and the path, with "&" doubled so it
    // is not taken for a mnemonic.
    static QString menuText(int position, const QString& path);

private:
    void write() const;

    QStringList paths_;
};

}  // namespace app::ui
