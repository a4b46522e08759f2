#include <gtest/gtest.h>

#include <functional>

#include "base/FileIO.h"
#include "carvello/core/GraphicsException.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"

using codec::Codec;
using codec::CodecError;
using codec::codeOf;

namespace {

const std::string kNoPicture = "BMP obrázek dosud nebyl vytvořen";

TEST(CodecErrors, FreshCodecStateAndPropertyDefaults) {
    Codec codec;
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::none));
    EXPECT_EQ(codec.errordescription(), "");
    EXPECT_TRUE(codec.throwException());
    EXPECT_FALSE(codec.showDownloadProgress());
    EXPECT_EQ(codec.undoFile(), "");
    EXPECT_EQ(codec.fileFormat(), "");
    EXPECT_EQ(codec.imageWidth(), 0);
    EXPECT_EQ(codec.bmpExists(), 0);
    EXPECT_EQ(codec.wbmpExists(), 0);
}

TEST(CodecErrors, FailureWithoutThrowingIsKeptUntilTheNextFailure) {
    testing_support::TempDir dir;
    Codec codec;
    codec.setThrowException(false);
    EXPECT_EQ(codec.saveBmp(dir.file("x.bmp")), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noPicture));
    EXPECT_EQ(codec.errordescription(), "CCodec::SaveBMP: " + kNoPicture);

    // A successful call leaves the last failure in place.
    const auto picture = testing_support::makeGreyDib(4, 4);
    bitmap::ImageProc proc;
    auto copy = picture;
    ASSERT_TRUE(proc.saveBitmap(dir.file("in.bmp"), copy));
    EXPECT_EQ(codec.loadImage(dir.file("in.bmp"), ""), 1);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noPicture));
    EXPECT_EQ(codec.errordescription(), "CCodec::SaveBMP: " + kNoPicture);

    // saveWbmp goes through convertBmpToWbmp and so carries its name.
    Codec empty;
    empty.setThrowException(false);
    EXPECT_EQ(empty.saveWbmp(dir.file("x.wbmp")), 0);
    EXPECT_EQ(empty.errordescription(), "CCodec::ConvertBMPToWBMP: " + kNoPicture);
    EXPECT_FALSE(bitmap::fileExists(dir.file("x.wbmp")));
}

TEST(CodecErrors, ThrowSwitchThrowsTheMessageAndStillRecordsTheCode) {
    Codec codec;
    try {
        codec.saveBmp("/tmp/never-written.bmp");
        FAIL() << "no exception";
    } catch (const carvello::GraphicsException& e) {
        EXPECT_EQ(std::string(e.what()), "CCodec::SaveBMP: " + kNoPicture);
    }
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noPicture));
}

TEST(CodecErrors, QueriesWithoutPictureReportThroughGetBMPInfo) {
    Codec codec;
    codec.setThrowException(false);
    EXPECT_EQ(codec.bmpWidth(), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noPicture));
    EXPECT_EQ(codec.errordescription(), "CCodec::GetBMPInfo: " + kNoPicture);
    EXPECT_EQ(codec.bmpBpp(), 0);
    EXPECT_EQ(codec.imageInfo(), 0);
    EXPECT_EQ(codec.errordescription(), "CCodec::ImageInfo: " + kNoPicture);
    EXPECT_EQ(codec.convertWbmpToBmp(), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noWbmp));
    EXPECT_EQ(codec.errordescription(),
              "CCodec::ConvertWBMPToBMP: WBMP obrázek dosud nebyl vytvořen");
    for (auto [call, name] : std::initializer_list<std::pair<std::function<int()>, std::string>>{
             {[&] { return codec.transformBmp(1, 1, 8); }, "TransformBMP"},
             {[&] { return codec.resizeTo(1, 1, 0); }, "ResizeTo"},
             {[&] { return codec.resizePercentual(50); }, "ResizePercentual"},
             {[&] { return codec.convertBmpToMonochrome(0, 128); }, "ConvertBMPToMonochrome"}}) {
        EXPECT_EQ(call(), 0) << name;
        EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noPicture)) << name;
        EXPECT_EQ(codec.errordescription(), "CCodec::" + name + ": " + kNoPicture);
    }
}

}  // namespace
