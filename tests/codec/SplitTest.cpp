#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

#include "base/FileIO.h"
#include "bitmap/ImageProc.h"
#include "bitmap/formats/WBMPCoder.h"
#include "carvello/core/GraphicsException.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"

using codec::Codec;
using codec::CodecError;
using codec::codeOf;
using testing_support::pixelAt;
using testing_support::TempDir;

namespace {

// Black where the pattern says so, white elsewhere.
bool patternBlack(int x, int y) {
    return (x * 3 + y * 5) % 7 < 3;
}

// A codec holding a w x h black-and-white picture (indices 0 and 1) of the
// pattern, with the throw switch off.
void loadPattern(Codec& codec, const TempDir& dir, int w, int h) {
    auto dib = testing_support::makeGreyDib(w, h, 8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            testing_support::setPixel(dib, x, y, patternBlack(x, y) ? 0 : 255);
    bitmap::ImageProc proc;
    ASSERT_TRUE(proc.saveBitmap(dir.file("p.bmp"), dib));
    codec.setThrowException(false);
    codec.setUndoFile("");
    ASSERT_EQ(codec.loadImage(dir.file("p.bmp"), ""), 1) << codec.errordescription();
    ASSERT_EQ(codec.convertBmpToMonochrome(0, 128), 1);
}

// The tile as black (true) / white per pixel, top row first.
std::vector<bool> wbmpTile(const std::string& path, int& width, int& height) {
    bitmap::WBMPCoder coder;
    EXPECT_TRUE(coder.loadWBMP(path)) << path;
    auto dib = coder.convWBMPToBMP();
    width = dib ? dib->width() : 0;
    height = dib ? dib->height() : 0;
    std::vector<bool> black;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            black.push_back(dib->palette()[static_cast<size_t>(pixelAt(*dib, x, y)) * 4] < 128);
    return black;
}

struct GridCase {
    int w, h, tileW, tileH, columns, rows, usedW;
};

TEST(CodecSplit, TilesCoverThePictureFromTheTopLeftWithWhiteBeyondIt) {
    const GridCase cases[] = {
        {100, 80, 48, 48, 3, 2, 48},  // pad 16; the last column holds 4 pixels
        {100, 80, 50, 48, 3, 2, 48},  // width 50 is used as 48
        {98, 80, 48, 48, 3, 2, 48},   // row padding of the picture stays white
        {96, 96, 48, 48, 2, 2, 48},   // exact fit
        {5, 3, 7, 1, 2, 3, 4},        // narrowest tiles, one row each
    };
    for (const auto& c : cases) {
        TempDir dir;
        Codec codec;
        loadPattern(codec, dir, c.w, c.h);
        const auto before = *codec.picture();
        const auto folder = dir.file("tiles");
        ASSERT_EQ(codec.split(c.tileW, c.tileH, folder, "wbmp"), 1) << codec.errordescription();
        EXPECT_EQ(codec.imageWidth(), c.columns);
        EXPECT_EQ(codec.imageHeight(), c.rows);
        for (int row = 0; row < c.rows; ++row) {
            for (int column = 0; column < c.columns; ++column) {
                const auto name =
                    folder + "/" + std::to_string(column) + "." + std::to_string(row) + ".wbmp";
                int tw = 0, th = 0;
                const auto black = wbmpTile(name, tw, th);
                ASSERT_EQ(tw, c.usedW) << name;
                ASSERT_EQ(th, c.tileH) << name;
                int mismatches = 0;
                for (int y = 0; y < th; ++y) {
                    for (int x = 0; x < tw; ++x) {
                        const int px = column * tw + x, py = row * th + y;
                        const bool want = px < c.w && py < c.h && patternBlack(px, py);
                        mismatches += black[static_cast<size_t>(y * tw + x)] != want;
                    }
                }
                EXPECT_EQ(mismatches, 0) << c.w << "x" << c.h << " tile " << name;
            }
        }
        EXPECT_FALSE(bitmap::pathExists(folder + "/" + std::to_string(c.columns) + ".0.wbmp"));
        // The picture itself is untouched; imageInfo describes it again.
        ASSERT_NE(codec.picture(), nullptr);
        EXPECT_TRUE(std::ranges::equal(before.bytes(), codec.picture()->bytes()));
        ASSERT_EQ(codec.imageInfo(), 1);
        EXPECT_EQ(codec.imageWidth(), c.w);
        EXPECT_EQ(codec.imageHeight(), c.h);
        EXPECT_EQ(codec.lastWriterResult(), 0);
    }
}

TEST(CodecSplit, EveryWritableFormatGivesLoadableTiles) {
    struct FormatCase {
        const char* format;
        const char* extension;
        bool transparent;
    };
    const FormatCase cases[] = {{"bmp", "bmp", false},
                                {"gif", "gif", false},
                                {"png", "png", false},
                                {"png-trans", "png", true}};
    for (const auto& c : cases) {
        TempDir dir;
        Codec codec;
        loadPattern(codec, dir, 20, 10);
        ASSERT_EQ(codec.split(12, 8, dir.file("t"), c.format), 1) << codec.errordescription();
        for (const char* tile : {"0.0", "1.0", "0.1", "1.1"}) {
            const auto name = dir.file("t") + "/" + tile + "." + c.extension;
            Codec reader;
            reader.setThrowException(false);
            ASSERT_EQ(reader.loadImage(name, ""), 1) << name << reader.errordescription();
            EXPECT_EQ(reader.imageWidth(), 12) << name;
            EXPECT_EQ(reader.imageHeight(), 8) << name;
            const auto bytes = testing_support::readFile(name);
            const std::string trns = "tRNS";
            EXPECT_EQ(
                std::search(bytes.begin(), bytes.end(), trns.begin(), trns.end()) != bytes.end(),
                c.transparent)
                << name;
        }
    }
}

struct RefusalCase {
    int tileW, tileH;
    const char* format;
    CodecError code;
    const char* message;
};

TEST(CodecSplit, RefusesBeforeCreatingTheFolder) {
    const RefusalCase cases[] = {
        {3, 48, "wbmp", CodecError::badArgument, "CCodec::Split: Neplatná velikost dílku"},
        {48, 0, "wbmp", CodecError::badArgument, "CCodec::Split: Neplatná velikost dílku"},
        {-8, 4, "wbmp", CodecError::badArgument, "CCodec::Split: Neplatná velikost dílku"},
        {1 << 20, 1 << 20, "wbmp", CodecError::badArgument,
         "CCodec::Split: Neplatná velikost dílku"},
        {48, 48, "jpg", CodecError::savingNotSupported, "Ukládání jpg není podporováno"},
        {48, 48, "tif", CodecError::unknownFormat, "CCodec::Split: Neznámý formát souboru:tif"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        Codec codec;
        loadPattern(codec, dir, 10, 10);
        EXPECT_EQ(codec.split(c.tileW, c.tileH, dir.file("t"), c.format), 0);
        EXPECT_EQ(codec.errorcode(), codeOf(c.code))
            << c.tileW << "x" << c.tileH << " " << c.format;
        EXPECT_EQ(codec.errordescription(), c.message);
        EXPECT_FALSE(bitmap::pathExists(dir.file("t")));
    }
    Codec empty;
    empty.setThrowException(false);
    EXPECT_EQ(empty.split(48, 48, "/tmp/never-made", "wbmp"), 0);
    EXPECT_EQ(empty.errordescription(), "CCodec::Split: BMP obrázek dosud nebyl vytvořen");
}

TEST(CodecSplit, FolderRules) {
    TempDir dir;
    Codec codec;
    loadPattern(codec, dir, 10, 10);
    // An existing folder is used while the throw switch is off ...
    ASSERT_EQ(::mkdir(dir.file("t").c_str(), 0777), 0);
    EXPECT_EQ(codec.split(8, 8, dir.file("t") + "/", "wbmp"), 1) << codec.errordescription();
    EXPECT_TRUE(bitmap::fileExists(dir.file("t/1.1.wbmp")));
    // ... and refused while it is on.
    codec.setThrowException(true);
    EXPECT_THROW(codec.split(8, 8, dir.file("t"), "wbmp"), carvello::GraphicsException);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::folderUnavailable));
    EXPECT_EQ(codec.errordescription(), "Složka již existuje");
    codec.setThrowException(false);
    // A folder whose parent is missing, and a file in the folder's place.
    testing_support::writeFile(dir.file("f"), std::string("x"));
    for (const auto& folder : {dir.file("missing/t"), dir.file("f")}) {
        EXPECT_EQ(codec.split(8, 8, folder, "wbmp"), 0) << folder;
        EXPECT_EQ(codec.errorcode(), codeOf(CodecError::folderUnavailable));
        EXPECT_EQ(codec.errordescription(), "Nelze vytvořit složku");
    }
}

TEST(CodecSplit, ATileThatCannotBeWrittenFailsTheSplitAndKeepsThePicture) {
    // Switch off: a folder in the place of tile 1.0. Switch on: GIF tiles
    // wider than a GIF can be.
    struct WriterCase {
        bool throwing;
        int tileW;
        const char* format;
        CodecError code;
    };
    for (const auto& c : {WriterCase{false, 8, "wbmp", CodecError::wbmpNotSaved},
                          WriterCase{true, 65540, "gif", CodecError::gifNotSaved}}) {
        TempDir dir;
        Codec codec;
        loadPattern(codec, dir, 16, 16);
        const auto before = *codec.picture();
        if (!c.throwing) {
            ASSERT_EQ(::mkdir(dir.file("t").c_str(), 0777), 0);
            ASSERT_EQ(::mkdir(dir.file("t/1.0.wbmp").c_str(), 0777), 0);
        }
        codec.setThrowException(c.throwing);
        int result = -1;
        try {
            result = codec.split(c.tileW, 8, dir.file("t"), c.format);
        } catch (const carvello::GraphicsException&) {
            result = c.throwing ? 0 : -2;
        }
        EXPECT_EQ(result, 0) << c.format;
        EXPECT_EQ(codec.errorcode(), codeOf(c.code)) << codec.errordescription();
        ASSERT_NE(codec.picture(), nullptr);
        EXPECT_TRUE(std::ranges::equal(before.bytes(), codec.picture()->bytes()));
    }
}

}  // namespace
