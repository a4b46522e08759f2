// Fuzz work for the document's own BMP reading: arbitrary file bytes become
// the document's picture when they hold a usable one; every byte of a picture
// taken is read while its palette is built, so a block shorter than its
// header declares shows up at once.
#include "app/core/CMFCTest2Doc.h"
#include "app/core/PackedDib.h"
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
    auto block = app::dibBlockOfBmpFile(std::span<const uint8_t>(data, size));
    if (!block)
        return;
    app::AppSettings settings;
    SilentUi ui;
    app::DocumentHost host;
    app::CMFCTest2Doc document(settings, ui, host);
    if (!document.AttachDib(std::move(*block)))
        return;
    app::PackedDibInfo info;
    if (app::inspectPackedDib(document.dib(), info) != app::DibCheck::ok || info.width <= 0 ||
        info.height <= 0 || document.pictureWidth() != info.width)
        __builtin_trap();
    // The last pixel row lies inside the block.
    const uint64_t stride =
        (uint64_t{info.bitCount} * static_cast<uint64_t>(info.width) + 31) / 32 * 4;
    if (info.compression != 1 && info.compression != 2) {
        volatile uint8_t last =
            document.dib()[info.headerSize + info.colourCount * info.colourEntrySize +
                           stride * static_cast<uint64_t>(info.height) - 1 +
                           (info.headerSize == 40 && info.compression == 3 ? 12 : 0)];
        (void)last;
    }
}

}  // namespace fuzzing
