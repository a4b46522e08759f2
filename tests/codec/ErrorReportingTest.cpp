#include <gtest/gtest.h>

#include <functional>

#include "base/FileIO.h"
#include "carvello/core/GraphicsException.h"
#include "codec/Codec.h"
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
    EXPECT_TRUE(codec.ThrowException());
    EXPECT_FALSE(codec.ShowDownloadProgress());
    EXPECT_EQ(codec.UndoFile(), "");
    EXPECT_EQ(codec.FileFormat(), "");
    EXPECT_EQ(codec.ImageWidth(), 0);
    EXPECT_EQ(codec.BMPExists(), 0);
    EXPECT_EQ(codec.WBMPExists(), 0);
}

TEST(CodecErrors, FailureWithoutThrowingIsKeptUntilTheNextFailure) {
    testing_support::TempDir dir;
    Codec codec;
    codec.setThrowException(false);
    EXPECT_EQ(codec.SaveBMP(dir.file("x.bmp")), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noPicture));
    EXPECT_EQ(codec.errordescription(), "CCodec::SaveBMP: " + kNoPicture);

    // A successful call leaves the last failure in place.
    const auto picture = testing_support::makeGreyDib(4, 4);
    bitmap::ImageProc proc;
    auto copy = picture;
    ASSERT_TRUE(proc.saveBitmap(dir.file("in.bmp"), copy));
    EXPECT_EQ(codec.LoadImage(dir.file("in.bmp"), ""), 1);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noPicture));
    EXPECT_EQ(codec.errordescription(), "CCodec::SaveBMP: " + kNoPicture);

    // SaveWBMP goes through ConvertBMPToWBMP and so carries its name.
    Codec empty;
    empty.setThrowException(false);
    EXPECT_EQ(empty.SaveWBMP(dir.file("x.wbmp")), 0);
    EXPECT_EQ(empty.errordescription(), "CCodec::ConvertBMPToWBMP: " + kNoPicture);
    EXPECT_FALSE(bitmap::fileExists(dir.file("x.wbmp")));
}

TEST(CodecErrors, ThrowSwitchThrowsTheMessageAndStillRecordsTheCode) {
    Codec codec;
    try {
        codec.SaveBMP("/tmp/never-written.bmp");
        FAIL() << "no exception";
    } catch (const carvello::GraphicsException& e) {
        EXPECT_EQ(std::string(e.what()), "CCodec::SaveBMP: " + kNoPicture);
    }
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noPicture));
}

TEST(CodecErrors, QueriesWithoutPictureReportThroughGetBMPInfo) {
    Codec codec;
    codec.setThrowException(false);
    EXPECT_EQ(codec.GetBMPWidth(), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noPicture));
    EXPECT_EQ(codec.errordescription(), "CCodec::GetBMPInfo: " + kNoPicture);
    EXPECT_EQ(codec.GetBMPBpp(), 0);
    EXPECT_EQ(codec.ImageInfo(), 0);
    EXPECT_EQ(codec.errordescription(), "CCodec::ImageInfo: " + kNoPicture);
    EXPECT_EQ(codec.ConvertWBMPToBMP(), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noWbmp));
    EXPECT_EQ(codec.errordescription(),
              "CCodec::ConvertWBMPToBMP: WBMP obrázek dosud nebyl vytvořen");
    for (auto [call, name] : std::initializer_list<std::pair<std::function<int()>, std::string>>{
             {[&] { return codec.TransformBMP(1, 1, 8); }, "TransformBMP"},
             {[&] { return codec.ResizeTo(1, 1, 0); }, "ResizeTo"},
             {[&] { return codec.ResizePercentual(50); }, "ResizePercentual"},
             {[&] { return codec.ConvertBMPToMonochrome(0, 128); }, "ConvertBMPToMonochrome"}}) {
        EXPECT_EQ(call(), 0) << name;
        EXPECT_EQ(codec.errorcode(), codeOf(CodecError::noPicture)) << name;
        EXPECT_EQ(codec.errordescription(), "CCodec::" + name + ": " + kNoPicture);
    }
}

}  // namespace
