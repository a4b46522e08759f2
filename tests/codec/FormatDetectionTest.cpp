#include <gtest/gtest.h>

#include "codec/Codec.h"
#include "codec/PictureFormats.h"
#include "support/TestSupport.h"

using codec::Codec;
using codec::CodecError;
using codec::codeOf;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

std::vector<uint8_t> bytesOf(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<uint8_t>(v));
    return out;
}

TEST(FormatCodes, ExtensionsAreMatchedWithoutRegardToCase) {
    EXPECT_EQ(codec::formatCodeOf("a.bmp"), 0);
    EXPECT_EQ(codec::formatCodeOf("a.BMP"), 0);
    EXPECT_EQ(codec::formatCodeOf("a.wbmp"), 1);
    EXPECT_EQ(codec::formatCodeOf("a.Wbm"), 1);
    EXPECT_EQ(codec::formatCodeOf("a.jpg"), 2);
    EXPECT_EQ(codec::formatCodeOf("a.JPEG"), 2);
    EXPECT_EQ(codec::formatCodeOf("a.gif"), 3);
    EXPECT_EQ(codec::formatCodeOf("a.png"), 4);
    EXPECT_EQ(codec::formatCodeOf("a.png-trans"), 5);
    EXPECT_EQ(codec::formatCodeOf("a.pbm"), 6);
    EXPECT_EQ(codec::formatCodeOf("a.XBM"), 7);
    EXPECT_EQ(codec::formatCodeOf("a.c"), 8);
    EXPECT_EQ(codec::formatCodeOf("a.tif"), -1);
    EXPECT_EQ(codec::formatCodeOf("noextension"), -1);
    EXPECT_EQ(codec::formatCodeOf("folder.d/file"), -1);
    EXPECT_EQ(codec::formatCodeOf("archive.tar.bmp"), 0);
    EXPECT_EQ(codec::formatCodeOfName("png-trans"), 5);
    EXPECT_EQ(codec::formatName(5), "png");
    EXPECT_EQ(codec::formatName(1), "wbmp");
    EXPECT_EQ(codec::formatName(-1), "");
}

// The dialogs' filters are composed from the table; their texts are fixed.
TEST(FormatTable, DialogFiltersKeepTheirTexts) {
    using Filters = std::vector<std::pair<std::string, std::string>>;
    auto pairs = [](const std::vector<codec::FileFilter>& filters) {
        Filters out;
        for (const auto& f : filters)
            out.emplace_back(f.description, f.patterns);
        return out;
    };
    EXPECT_EQ(
        pairs(codec::openDialogFilters("All")),
        (Filters{{"All (BMP, JPEG, WBMP, GIF, PNG)", "*.BMP;*.WBM;*.WBMP;*.JPG;*.JPEG;*.GIF;*.PNG"},
                 {"BMP File", "*.BMP"},
                 {"WBMP File", "*.WBM;*.WBMP"},
                 {"JPEG File", "*.JPG;*.JPEG"},
                 {"GIF File", "*.GIF"},
                 {"PNG File", "*.PNG"}}));
    // The batch run's add-files dialog offers every format the Open dialog
    // does, PNG included.
    EXPECT_EQ(
        pairs(codec::batchAddDialogFilters("Any")),
        (Filters{{"Any (BMP, JPEG, WBMP, GIF, PNG)", "*.BMP;*.WBM;*.WBMP;*.JPG;*.JPEG;*.GIF;*.PNG"},
                 {"BMP File", "*.BMP"},
                 {"WBMP File", "*.WBM;*.WBMP"},
                 {"JPEG File", "*.JPG;*.JPEG"},
                 {"GIF File", "*.GIF"},
                 {"PNG File", "*.PNG"}}));
    // The formats written only (PBM, XBM, C) are offered by Save As alone.
    EXPECT_EQ(pairs(codec::saveDialogFilters()), (Filters{{"WBMP File", "*.WBMP"},
                                                          {"BMP File", "*.BMP"},
                                                          {"PNG File", "*.PNG"},
                                                          {"PBM File", "*.PBM"},
                                                          {"XBM File", "*.XBM"},
                                                          {"C Array File", "*.C"}}));
    const std::vector<codec::FormatCode> saved(codec::saveDialogFormats().begin(),
                                               codec::saveDialogFormats().end());
    EXPECT_EQ(saved, (std::vector<codec::FormatCode>{codec::kFormatWbmp, codec::kFormatBmp,
                                                     codec::kFormatPng, codec::kFormatPbm,
                                                     codec::kFormatXbm, codec::kFormatCArray}));
}

struct HeaderCase {
    std::string name;
    std::vector<uint8_t> bytes;
    std::string format;
    int width;
    int height;
};

TEST(readImageHeader, RecognisesEachSignatureAndItsSize) {
    std::vector<uint8_t> bmp(60, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[18] = 0x2C;  // 300
    bmp[19] = 0x01;
    bmp[14] = 40;
    bmp[22] = 0xFF;  // -1: a top-down picture one row tall
    bmp[23] = 0xFF;
    bmp[24] = 0xFF;
    bmp[25] = 0xFF;
    bmp[28] = 24;
    // The OS/2 core header: 16-bit width and height, then planes and bits.
    std::vector<uint8_t> core = bytesOf({'B', 'M', 0, 0, 0, 0,    0,    0,    0,    0, 26, 0, 0,
                                         0,   12,  0, 0, 0, 0xC3, 0x01, 0x2C, 0x01, 1, 0,  8, 0});
    // A frame header after a segment that reaches past the first 1024 bytes.
    std::vector<uint8_t> jpeg = bytesOf({0xFF, 0xD8, 0xFF, 0xE1, 0x07, 0xD0});
    jpeg.resize(jpeg.size() + 0x7D0 - 2, 0);
    for (int b : {0xFF, 0xC2, 0, 11, 8, 0x01, 0x2C, 0x01, 0xC3, 1, 1, 0x11, 0})
        jpeg.push_back(static_cast<uint8_t>(b));
    std::vector<uint8_t> png =
        bytesOf({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13,
                 'I',  'H', 'D', 'R', 0,    0,    0x01, 0x02, 0, 0, 0, 0x30});
    std::vector<uint8_t> wbmp = bytesOf({0, 0, 16, 2, 1, 2, 3, 4});
    std::vector<uint8_t> wbmpExtra = wbmp;
    wbmpExtra.push_back(0);
    const std::vector<HeaderCase> cases = {
        {"a.gif", bytesOf({'G', 'I', 'F', '8', '7', 'a', 0x40, 0x01, 0xF0, 0x00}), "gif", 320, 240},
        {"b.gif", bytesOf({'G', 'I', 'F', '8', '9', 'a', 1, 0, 2, 0}), "gif", 1, 2},
        {"c.bin", bmp, "bmp", 300, 1},
        {"c2.bmp", core, "bmp", 451, 300},
        {"d2.jpg", jpeg, "jpg", 451, 300},
        {"d.jpg", bytesOf({0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0}), "jpg", -1, -1},
        {"e.jpg", bytesOf({0xFF, 0xD8, 0xFF, 0xE1, 0, 16, 'E', 'x', 'i', 'f', 0}), "jpg", -1, -1},
        {"e2.bin", bytesOf({0xFF, 0xD8, 0xFF, 0xDB, 0, 67}), "jpg", -1, -1},
        {"e3.jpg", bytesOf({0xFF, 0xD8, 0xFF, 0x00, 0, 67}), "", 0, 0},
        {"f.png", png, "png", 258, 48},
        {"g.wbmp", wbmp, "wbmp", 16, 2},
        {"h.wbmp", wbmpExtra, "", -1, -1},
        {"i.txt", bytesOf({'h', 'e', 'l', 'l', 'o'}), "", 0, 0},
        {"j.empty", {}, "", 0, 0},
        // 128 wide needs the two-byte width 0x81 0x00.
        {"k.wbmp",
         [] {
             auto v = bytesOf({0, 0, 0x81, 0x00, 1});
             v.resize(5 + 16, 0xFF);
             return v;
         }(),
         "wbmp", 128, 1},
    };
    TempDir dir;
    Codec codec;
    codec.setThrowException(false);
    for (const auto& c : cases) {
        writeFile(dir.file(c.name), c.bytes);
        ASSERT_EQ(codec.readImageHeader(dir.file(c.name)), 1) << c.name;
        EXPECT_EQ(codec.fileFormat(), c.format) << c.name;
        EXPECT_EQ(codec.imageWidth(), c.width) << c.name;
        EXPECT_EQ(codec.imageHeight(), c.height) << c.name;
    }
}

TEST(readImageHeader, UnreadableFileIsReported) {
    TempDir dir;
    Codec codec;
    codec.setThrowException(false);
    EXPECT_EQ(codec.readImageHeader(dir.file("missing.bmp")), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::cannotOpenFile));
    EXPECT_EQ(codec.errordescription(), "CCodec::ReadImageHeader: Nelze otevřít soubor pro čtení");
    EXPECT_EQ(codec.readImageHeader(dir.path()), 0) << "a folder is not a picture";
}

TEST(loadImageFile, ContentDecidesTheFormatAndTheExtensionOnlyWhenUnrecognised) {
    TempDir dir;
    Codec codec;
    codec.setThrowException(false);

    // A GIF named .bmp is taken for a GIF, not read as a broken BMP.
    writeFile(dir.file("gif.bmp"), bytesOf({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}));
    EXPECT_EQ(codec.loadImageFile(dir.file("gif.bmp")), 0);
    EXPECT_EQ(codec.fileFormat(), "gif");
    EXPECT_NE(codec.errorcode(), codeOf(CodecError::bmpNotLoaded));

    // A PNG named .png-trans is recognised by its signature.
    writeFile(dir.file("p.png-trans"),
              bytesOf({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13,
                       'I',  'H', 'D', 'R', 0,    0,    0,    1,    0, 0, 0, 1}));
    codec.loadImageFile(dir.file("p.png-trans"));
    EXPECT_EQ(codec.fileFormat(), "png");

    // Unrecognised content with a WBMP extension goes to the WBMP reader.
    writeFile(dir.file("junk.wbmp"), bytesOf({1, 2, 3}));
    EXPECT_EQ(codec.loadImageFile(dir.file("junk.wbmp")), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::wbmpNotLoaded));
    EXPECT_EQ(codec.errordescription(),
              "Interní funkce nalezla či způsobila tuto chybu:\n"
              "WBMPCoder::loadWBMP: Error while reading the file");

    // Unrecognised content with an unknown extension.
    writeFile(dir.file("junk.dat"), bytesOf({1, 2, 3}));
    EXPECT_EQ(codec.loadImageFile(dir.file("junk.dat")), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::unknownFormat));
    EXPECT_EQ(codec.errordescription(), "CCodec::LoadImageFile: Neznámý formát");
}

}  // namespace
