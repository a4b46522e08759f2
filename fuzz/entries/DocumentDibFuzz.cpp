// Fuzz work for the document's own BMP reading: arbitrary file bytes become
// the document's picture when they hold a usable one; the palette and the
// last pixel row of a picture taken are read, so a block shorter than its
// header declares shows up at once.
#include "app/core/document/PackedDib.h"
#include "app/core/document/PictureDocument.h"
#include "fuzz/entries/FuzzEntries.h"

namespace fuzzing {
namespace {

class SilentUi : public app::UserInterface {
public:
    void inform(const std::string&, const std::string&, app::MessageIcon) override {}
    bool askYesNo(const std::string&, const std::string&, app::MessageIcon) override {
        return false;
    }
    bool askOkCancel(const std::string&, const std::string&, app::MessageIcon) override {
        return false;
    }
};

}  // namespace

void fuzzDocumentDib(const uint8_t* data, size_t size) {
    auto block = app::dibBlockOfBmpFile(std::vector<uint8_t>(data, data + size));
    if (!block)
        return;
    app::AppSettings settings;
    SilentUi ui;
    app::DocumentHost host;
    app::PictureDocument document(settings, ui, host);
    if (!document.attachDib(std::move(*block)))
        return;
    const bitmap::Dib& picture = document.dib();
    bitmap::DibLayout layout;
    if (bitmap::readDibLayout(picture.bytes(), layout) != bitmap::DibCheck::ok ||
        layout.width <= 0 || layout.height <= 0 || document.pictureWidth() != layout.width ||
        picture.layout().pixelOffset != layout.pixelOffset)
        __builtin_trap();
    volatile size_t colours = document.palette().size();
    (void)colours;
    // The last pixel row lies inside the block.
    if (layout.hasRows()) {
        volatile uint8_t last = picture.view().storedRow(layout.height - 1).back();
        (void)last;
    }
}

}  // namespace fuzzing
