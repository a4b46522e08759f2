#pragma once

#include <functional>
#include <memory>
#include <string>

#include "bitmap/Dib.h"
#include "bitmap/dither/DitherOptions.h"
#include "bitmap/formats/OneBitFiles.h"
#include "codec/Codec.h"

// The program-wide settings: the user's folders, the dithering used for
// conversion to black and white, the help file, and the program's one codec.
// They are read from the settings store at start-up and written back at
// exit (group "Settings" of organisation "Vendra", application "WAP Glyphon").
namespace app {

// The values of the settings, apart from the codec they set up.
struct AppSettingsValues {
    // Default folder of Open, Save As, new pictures, downloads, counters
    // and pasted pictures.
    std::string saveFolder;
    // Folder of the temporary exchange files; may be empty.
    std::string workingFolder;
    // The system's temporary folder, ending in "/".
    std::string tempFolder;
    // The one-level undo picture: tempFolder + "TMPUndo.bmp".
    std::string undoFilePath;
    int ditheringMethod = 0;  // a bitmap::DitherMethod
    int threshold = 128;      // 0..255
    // The options of the newer methods and adjustments (defaults change
    // nothing), and how C arrays are written.
    bitmap::DitherOptions ditherOptions;
    bitmap::CArrayOptions cArrayOptions;
    std::string helpFile;
    // The most pixels a picture may have to be loaded ("maxPixels", never
    // written back): the user may lower it below bitmap::kMaxPixels.
    int maxPixels = static_cast<int>(bitmap::kMaxPixels);
};

class AppSettings : public AppSettingsValues {
public:
    AppSettings();

    static constexpr int kDefaultMaxPixels = static_cast<int>(bitmap::kMaxPixels);
    // The pixel limit the settings store holds now, or the default.
    static int storedMaxPixels();

    // Fills the settings from the store; missing values, and values out of
    // their range, give the defaults.
    void readSettings();
    // Takes the values of settings read before (the codec stays this
    // object's): for another document of the same run, without reading the
    // store again.
    void copyValuesFrom(const AppSettings& other) {
        static_cast<AppSettingsValues&>(*this) = other;
    }
    // Creates the codec and sets it up: errors as results, the undo file in
    // the temporary folder, download progress shown.
    void createCodec();
    // Writes the folders, method and threshold back (never the help file)
    // and deletes the codec.
    void writeSettings();
    // Deletes the program's temporary files; files that cannot be deleted
    // are left alone.
    void removeTempFiles() const;

    // The folder of the temporary exchange files: the working folder, or the
    // temporary folder when the working folder is empty. No trailing "/".
    std::string exchangeFolder() const;
    // The save folder, or the temporary folder when it is empty. No
    // trailing "/".
    std::string saveFolderOrTemp() const;

    // The codec, or null before createCodec and after writeSettings.
    codec::Codec* codec() const { return codec_.get(); }

    // For a folder made only when a file is first put there: gives the
    // folder (no trailing "/"), making it on the first call, and stands for
    // both folders above. Empty: the folders exist already.
    std::function<std::string()> folderMadeWhenNeeded;

private:
    std::unique_ptr<codec::Codec> codec_;
};

}  // namespace app
