#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {
class AppSettings;
}

namespace batchui {

// "Stahování obrázku": asks for the URL of a picture and, for the download
// command, the folder to keep it in. OK checks the text (known schemes, an
// empty text, the folder) and puts "http://" or "file://" before a bare name;
// after a refusal's message the dialog stays open with the text typed.
class DownloadDialog : public QDialog {
    Q_OBJECT
public:
    // Whether the folder row is shown: the download command shows it, the
    // batch sheet's "Přidat URL" asks for the URL only.
    enum Mode { urlOnly = 0, withFolder = 1 };

    // What the dialog remembers while the program runs: the URL last typed
    // and the download folder.
    struct Remembered {
        std::string lastUrl;
        std::string downloadFolder;
    };
    static Remembered& remembered();

    // An empty download folder takes the settings' save folder (or the
    // temporary folder) first.
    DownloadDialog(const app::AppSettings& settings, Mode mode, QWidget* parent = nullptr);

    // The accepted URL, normalised.
    const std::string& url() const { return url_; }

    void accept() override;

private:
    void browse();

    Mode mode_;
    std::string url_;
    QLineEdit* urlEdit_ = nullptr;
    QLineEdit* folderEdit_ = nullptr;
};

}  // namespace batchui
