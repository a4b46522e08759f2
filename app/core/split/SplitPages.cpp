#include "app/core/split/SplitPages.h"

#include <cstdint>
#include <span>

#include "app/core/split/WmlText.h"
#include "base/FileIO.h"

namespace app {
namespace {

// Every value filled into the page stands in a single-quoted attribute.
std::string attribute(const std::string& text) {
    return escapeWml(text, '\'');
}

std::string position(int x, int y) {
    return std::to_string(x) + "." + std::to_string(y);
}

std::string coordinates(int x, int y) {
    return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

// A link to the page of the neighbouring tile (x, y).
std::string link(const SplitPageSet& pages, const char* indent, int x, int y, const char* label) {
    return std::string(indent) + "<a href='" +
           attribute(urlEncodeFileName(pages.baseName) + "." + position(x, y)) + ".wml'>" + label +
           "</a><br/>\n";
}

// The page with "\n" line ends: the prolog and footer bring their own CR LF.
std::string splitPageText(const SplitPageSet& pages, int x, int y) {
    std::string text(kWmlProlog);
    text +=
        "\n  <card id='img'>\n    <p>\n      <img src='" +
        attribute(urlEncodePrefix(pages.sourcePrefix) + position(x, y) + "." + pages.extension) +
        "' alt='" + attribute(pages.baseName + coordinates(x, y)) + "'  width='" +
        std::to_string(pages.tileWidth) + "' height='" + std::to_string(pages.tileHeight) +
        "'/><br/>\n";
    text += "      Current Position: " + coordinates(x, y) + "<br/>\n";
    if (y > 0)
        text += link(pages, "      ", x, y - 1, " Up ");
    if (y < pages.rows - 1)
        text += link(pages, "      ", x, y + 1, "Down");
    if (x > 0)
        text += link(pages, "     ", x - 1, y, "Left ");
    if (x < pages.columns - 1)
        text += link(pages, "      ", x + 1, y, "Right");
    text += "    </p>\n  </card>\n\n";
    text += kWmlFooter;
    return text;
}

// The pages are written as text files were on the program's first
// platform: every line feed goes to disk as CR LF, including the one after
// a CR that is already there.
std::string withCrLf(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

}  // namespace

std::string splitPagePath(const SplitPageSet& pages, int x, int y) {
    return pages.folder + pages.baseName + "." + position(x, y) + ".wml";
}

std::string splitPageBytes(const SplitPageSet& pages, int x, int y) {
    return withCrLf(splitPageText(pages, x, y));
}

SplitPagesResult writeSplitPages(const SplitPageSet& pages) {
    SplitPagesResult result;
    for (int x = 0; x < pages.columns; ++x) {
        for (int y = 0; y < pages.rows; ++y) {
            const std::string path = splitPagePath(pages, x, y);
            const std::string bytes = splitPageBytes(pages, x, y);
            const std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(bytes.data()),
                                                 bytes.size());
            if (bitmap::writeFileAtomically(path, std::span(&piece, 1)) == bitmap::WriteStatus::ok)
                ++result.written;
            else
                result.failed.push_back(path);
        }
    }
    return result;
}

}  // namespace app
