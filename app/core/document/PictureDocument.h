#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/Texts.h"
#include "app/core/UserInterface.h"
#include "app/core/document/DocumentHost.h"
#include "app/core/settings/AppSettings.h"
#include "bitmap/Dib.h"
#include "codec/PictureFormats.h"
#include "dotwerk/DotwerkInterface.h"

// The image document: the picture the view shows, kept as a packed DIB
// (info header, colour table, rows), and every file and picture command.
// The codec keeps its own copy of the picture; the two are kept in step
// through temporary BMP files in the exchange folder: the reload cycle (the
// codec writes TMPUpdate.bmp, the document reads it) and the commit cycle
// (the codec writes TMPChange.bmp and loads it back, then the reload cycle).
//
// Operations return 0 for success and one of the codes below otherwise.
namespace app {

namespace result {
inline constexpr int kOk = 0;
inline constexpr int kCommitLoadFailed = 1;     // the codec could not load a committed BMP
inline constexpr int kDocumentReadFailed = 2;   // the document could not read the codec's BMP
inline constexpr int kWbmpReloadFailed = 3;     // the codec could not reload a saved WBMP
inline constexpr int kCodecSaveBmpFailed = 6;   // the codec could not save its picture as BMP
inline constexpr int kCodecSaveWbmpFailed = 7;  // the codec could not save its picture as WBMP
inline constexpr int kCannotCreateFile = 8;     // the document could not create a file
inline constexpr int kNoBmp = 9;                // the codec holds no picture
inline constexpr int kNoWbmp = 10;              // the codec holds no WBMP picture
inline constexpr int kConversionFailed = 17;    // conversion to black and white failed
inline constexpr int kResizeFailed = 18;        // resizing failed
inline constexpr int kFetchFailed = 21;         // fetching a URL failed
inline constexpr int kCodecLoadFailed = 26;     // the codec could not load the file
}  // namespace result

// One entry of the painting palette.
struct PaletteEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// What Save did: wrote (or deliberately skipped) the file, or needs the
// Save As dialog first.
enum class SaveOutcome { done, saveAsRequired };

class PictureDocument {
public:
    PictureDocument(AppSettings& settings, UserInterface& ui, DocumentHost& host);

    // --- State -----------------------------------------------------------
    bool hasPicture() const { return !dib_.empty(); }
    // The picture as a packed DIB (empty when there is none).
    const bitmap::Dib& dib() const { return dib_; }
    // The picture's block, where the editor control's handle record points:
    // its address and length. The document keeps owning it.
    std::span<uint8_t> pictureBlock() { return dib_.bytes(); }
    // The picture handle lent to the editor control: the address of the
    // document's record of the block's address and length. The record
    // always describes the block the document holds now (no block when it
    // is empty), so a handle still lent out never reaches a freed block.
    long long pictureHandle() { return dotwerk::handleOf(&pictureRecord_); }
    // The painting palette: one entry per colour of the picture's table.
    std::vector<PaletteEntry> palette() const;
    // The picture's size; 1 x 1 when there is none.
    int pictureWidth() const { return hasPicture() ? dib_.width() : 1; }
    int pictureHeight() const { return hasPicture() ? dib_.height() : 1; }
    bool isMonochrome() const { return monochrome_; }
    void setMonochrome(bool on) { monochrome_ = on; }
    bool saveAsFirst() const { return saveAsFirst_; }
    void setSaveAsFirst(bool on) { saveAsFirst_ = on; }
    bool isModified() const { return modified_; }
    void setModified(bool on) { modified_ = on; }
    // The last action was an undo from the undo file.
    bool undoUsed() const { return undoUsed_; }
    void clearUndoUsed() { undoUsed_ = false; }
    const std::string& pathName() const { return pathName_; }
    void setPathName(const std::string& path, bool addToRecent);
    // The picture's file name, or the untitled name (in the language
    // spoken when asked) until it has one.
    std::string title() const { return title_ ? *title_ : std::string(text::kUntitled); }
    void setTitle(const std::string& title) { title_ = title; }
    const std::string& lastFolder() const { return lastFolder_; }
    void setLastFolder(const std::string& folder) { lastFolder_ = folder; }
    AppSettings& settings() { return settings_; }
    codec::Codec& codec() { return *settings_.codec(); }

    // --- Operations ------------------------------------------------------
    // Reads a BMP file into the document (emptied first) -> 0 or 2.
    int loadDibFromFile(const std::string& path, bool recordPath, bool addToRecent);
    // Writes the picture as a BMP file -> 1 (written), 0 (not written) or 8
    // (the file could not be created).
    int writeDibToFile(const std::string& path);
    // The same write for an exchange or undo copy: the document's modified
    // flag stays as it is.
    int writeDibCopy(const std::string& path) { return writeDib(path, false); }
    // The reload cycle: the codec's picture becomes the document's, through
    // the exchange file TMPUpdate.bmp (or its bytes, see below).
    int reloadFromCodec();
    // On: the reload cycle hands the exchange file's bytes over in memory
    // instead of writing and reading the file, with the same result. For a
    // document whose exchange folder nobody else looks at (glyphon-cli's
    // private folder), where the file would only cost a create, a rename
    // and a delete per step.
    void setExchangeInMemory(bool inMemory) { exchangeInMemory_ = inMemory; }
    // A mark put into the names of the document's exchange files
    // ("TMPUpdate-2.bmp" for "-2"), for documents that share one exchange
    // folder (glyphon-cli's threads); none by default.
    void setExchangeTag(std::string tag) { exchangeTag_ = std::move(tag); }
    int commitChange();
    // Writes the picture being replaced to the undo file (when asked and
    // there is one) and forgets a previous undo.
    void snapshotForUndo(bool write);
    int openPicture(const std::string& path, bool keepPath);
    // Why the last openPicture failed: the codec's error description, or
    // the reason a GIF could not be read.
    const std::string& loadErrorText() const { return loadErrorText_; }
    int convertToMonochrome();
    int resizeToBox(int width, int height);
    int fitToPhone(int phoneIndex);
    // Fetches a URL into localPath (made from the save folder when empty)
    // and loads it; on failure errorText says why.
    int fetchUrl(const std::string& url, std::string& localPath, std::string& errorText);
    int savePictureBmp(const std::string& path);
    int savePictureWbmp(const std::string& path);
    // Takes a packed DIB as the picture -> false (and a message) when it is
    // unusable; the document is then empty.
    bool attachDib(std::vector<uint8_t> dib);
    // Frees the picture; the size becomes 1 x 1.
    void deleteContents();
    // Writes the picture to a new exchange file "TMPEdit<n>.bmp" (kept until
    // the program's clean-up) and loads that into the codec. False, after a
    // message, when either step fails.
    bool handPictureToCodec();

    // What a run that borrows the document (the batch run) puts back when
    // it is over: the picture, its name and its flags.
    struct KeptState {
        std::vector<uint8_t> picture;
        std::string pathName;
        std::optional<std::string> title;
        bool monochrome = false;
        bool saveAsFirst = false;
        bool modified = false;
        bool undoUsed = false;
    };
    KeptState keepState() const;
    // The kept picture becomes the document's and the codec's again.
    void restoreState(KeptState kept);

    // --- Commands (after their dialogs) ----------------------------------
    // Open with a chosen file: ends editing, resets flags and zoom, keeps
    // the old picture for undo, opens; a failure is shown. True when opened.
    bool openChosenFile(const std::string& path);
    // The framework's open of a named document (command line, recent files).
    bool openDocument(const std::string& path);
    // Files dropped on the window: the first one that opens.
    void dropFiles(const std::vector<std::string>& paths);
    SaveOutcome save();
    void saveAs(const std::string& chosenPath, codec::FormatCode type);
    // Undo from the undo file.
    void undoFromFile();
    void convertToMonochromeCommand();
    void resizeByPercentage(int percentage);
    void setHeightCommand(int height);
    void setWidthCommand(int width);
    void fitToBoxCommand(int width, int height, bool ignoreAspectRatio);
    void fitToPhoneCommand(int phoneIndex);
    // The download dialog's text: "counter://", "info://" or a URL to fetch
    // into `folder`.
    void downloadText(const std::string& text, const std::string& folder);

    // The path Save As writes for a chosen name and type: the chosen name up
    // to its last "." (when there is one after the first character, within
    // the file name) plus the type's extension.
    static std::string saveAsTarget(const std::string& chosenPath, codec::FormatCode type);
    // The box the set-height and set-width commands fit the picture into:
    // the typed side exactly, the other side 10 pixels loose so that the
    // typed side decides. Nothing for an empty picture.
    struct Box {
        int width = 0;
        int height = 0;
    };
    static std::optional<Box> boxForHeight(int width, int height, int newHeight);
    static std::optional<Box> boxForWidth(int width, int height, int newWidth);

private:
    int writeDib(const std::string& path, bool clearModified);
    // The record behind pictureHandle() follows the block after it changed.
    void pictureReplaced();
    // While editing: the control's pixels back into the block (its changes
    // now count as the document's) and on to the codec. False when the codec
    // did not get them.
    bool takeBackEditedPicture();
    // Puts the document's picture back into the codec after a failed load
    // emptied it, so the two still agree.
    void restoreCodecPicture();
    // Snapshot, the codec call, then the commit cycle; a failure is shown.
    void resizeCommand(const std::function<int()>& codecCall);
    // The save failures, each naming the file that was not written.
    void showSavePngFailure(const std::string& path);
    void showSaveFailure(const std::string& path, std::string_view message);
    // Writes the codec's picture as a PBM, XBM or C array file (C arrays as
    // the settings ask) -> true when written.
    bool writeOneBitFile(const std::string& path, const codec::PictureFormat& format);
    void counterText(const std::string& counterRequest, const std::string& folder);
    void infoText(const std::string& path);
    std::string exchangeFile(const char* name) const;
    // Takes the block of a BMP file's bytes as the picture -> 0 or 2, with
    // the messages loadDibFromFile shows.
    int attachBmpFile(std::optional<std::vector<uint8_t>> dib, bool notBmp);

    AppSettings& settings_;
    UserInterface& ui_;
    DocumentHost& host_;

    bitmap::Dib dib_;
    dotwerk::DibHandleRecord pictureRecord_;
    bool monochrome_ = false;
    bool saveAsFirst_ = false;
    bool modified_ = false;
    bool undoUsed_ = false;
    bool exchangeInMemory_ = false;
    std::string exchangeTag_;
    std::string pathName_;
    // Nothing until the picture is named: the untitled name is translated
    // when it is shown, not when the document is made.
    std::optional<std::string> title_;
    std::string lastFolder_;
    std::string loadErrorText_;
};

}  // namespace app
