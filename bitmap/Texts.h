#pragma once

#include <string_view>

#include "bitmap/TextMark.h"

// The bitmap core's texts (UTF-8): Czech for ImageProc, English for the WBMP
// coder and the GIF engine. Operation prefixes are put in front of a message
// by the code that reports the failure.
namespace bitmap::text {

// ImageProc
inline constexpr std::string_view kNoBitmap =
    QT_TRANSLATE_NOOP("glyphon", "BMP obrázek dosud nebyl vytvořen");
inline constexpr std::string_view kCannotOpen =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se otevřít soubor");
inline constexpr std::string_view kWriteError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při zápisu do souboru");
inline constexpr std::string_view kBadDepth =
    QT_TRANSLATE_NOOP("glyphon", "Nepodporovaný formát bitmapy (špatná barevná hloubka)");
inline constexpr std::string_view kOutOfMemory = QT_TRANSLATE_NOOP("glyphon", "Nedostatek paměti");
inline constexpr std::string_view kDitherDepth =
    QT_TRANSLATE_NOOP("glyphon", "Metoda podporuje pouze 4bpp a 8bpp");
inline constexpr std::string_view kDitherMethod8 =
    QT_TRANSLATE_NOOP("glyphon", "Nepodporovaná metoda pro 8bpp");
inline constexpr std::string_view kDitherMethod4 =
    QT_TRANSLATE_NOOP("glyphon", "Nepodporovaná metoda pro 4bpp");

// BMP reading: refusals of files the reader does not take (an unsupported
// depth gives kBadDepth).
inline constexpr std::string_view kBmpTruncated =
    QT_TRANSLATE_NOOP("glyphon", "Soubor BMP je zkrácený nebo poškozený");
inline constexpr std::string_view kBmpBadHeader =
    QT_TRANSLATE_NOOP("glyphon", "Neplatná hlavička souboru BMP");
inline constexpr std::string_view kBmpBadSize =
    QT_TRANSLATE_NOOP("glyphon", "Neplatné rozměry obrázku BMP");
inline constexpr std::string_view kBmpTooLarge =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek BMP je příliš velký");
inline constexpr std::string_view kBmpCompressed =
    QT_TRANSLATE_NOOP("glyphon", "Komprimované soubory BMP nejsou podporovány");
inline constexpr std::string_view kBmpBitFields = QT_TRANSLATE_NOOP(
    "glyphon", "Soubory BMP s bitovými maskami jiné než 32bpp BGR nejsou podporovány");
inline constexpr std::string_view kBmpEmbeddedImage = QT_TRANSLATE_NOOP(
    "glyphon", "Soubory BMP s vloženým obrázkem JPEG nebo PNG nejsou podporovány");
inline constexpr std::string_view kBmpReadError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při čtení souboru");

// Depth conversion and dithering: sources the converters cannot read.
inline constexpr std::string_view kBadSourceSize =
    QT_TRANSLATE_NOOP("glyphon", "Neplatné rozměry zdrojového obrázku");
inline constexpr std::string_view kShortPixels =
    QT_TRANSLATE_NOOP("glyphon", "Obrazová data jsou kratší, než udává hlavička");
inline constexpr std::string_view kTooFewColours =
    QT_TRANSLATE_NOOP("glyphon", "Paleta obrázku má méně než dvě barvy");

// PNG writing: every failure gives this one text.
inline constexpr std::string_view kPngSaveError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při ukládání PNG\n");

// PNG reading: codec library failures that carry no text of their own.
inline constexpr std::string_view kUnrecognised =
    QT_TRANSLATE_NOOP("glyphon", "Nerozpoznaná chyba");

// ImageProc's operation prefixes.
inline constexpr std::string_view kGetBMPInfo = "ImageProc::getBMPInfo: ";
inline constexpr std::string_view kLoadBitmap = "ImageProc::loadBitmap: ";
inline constexpr std::string_view kSaveBitmap = "ImageProc::saveBitmap: ";
inline constexpr std::string_view kMakeGrayShadesPalette = "ImageProc::makeGrayShadesPalette: ";
inline constexpr std::string_view kFromSimple = "ImageProc::changeBitmapFormatFromSimple: ";
// The out-of-memory text of the simple converter carries this shorter name.
inline constexpr std::string_view kFromSimpleMemory = "ImageProc::changeBitmapFormatSimple: ";
inline constexpr std::string_view kFrom32 = "ImageProc::changeBitmapFormatFrom32: ";
inline constexpr std::string_view kGray256 = "ImageProc::change256GrayToMonochrome: ";
inline constexpr std::string_view kGray16 = "ImageProc::change16GrayToMonochrome: ";
inline constexpr std::string_view kReadPNGFile = "ImageProc::readPNGFile: ";
inline constexpr std::string_view kReadJPEGFile = "ImageProc::readJPEGFile: ";
inline constexpr std::string_view kSavePNG = "ImageProc::savePNG: ";

// The WBMP coder's messages.
inline constexpr std::string_view kWbmpCannotOpen =
    QT_TRANSLATE_NOOP("glyphon", "Cannot open file");
inline constexpr std::string_view kWbmpReadError =
    QT_TRANSLATE_NOOP("glyphon", "Error while reading the file");
inline constexpr std::string_view kWbmpBadType =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported WBMP type (=/= 0)");
inline constexpr std::string_view kWbmpBadFixHeader =
    QT_TRANSLATE_NOOP("glyphon", "Wrong FixHeaderField (msb =/= 0)");
inline constexpr std::string_view kWbmpBadDimensions =
    QT_TRANSLATE_NOOP("glyphon", "Invalid WBMP dimensions");
inline constexpr std::string_view kWbmpNoMemory =
    QT_TRANSLATE_NOOP("glyphon", "Insufficient memory");
inline constexpr std::string_view kWbmpWriteError =
    QT_TRANSLATE_NOOP("glyphon", "Cannot write to file");
inline constexpr std::string_view kWbmpNotLoaded = QT_TRANSLATE_NOOP("glyphon", "WBMP not loaded");
inline constexpr std::string_view kWbmpUnsupportedType =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported WBMP type");
inline constexpr std::string_view kWbmpBadLayout =
    QT_TRANSLATE_NOOP("glyphon", "DIB rows do not match its header");
inline constexpr std::string_view kWbmpUnsupportedBpp =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported bpp for this operation (bpp = %d)");

// The WBMP coder's operation prefixes.
inline constexpr std::string_view kWbmpLoad = "WBMPCoder::loadWBMP: ";
inline constexpr std::string_view kWbmpSave = "WBMPCoder::saveWBMP: ";
inline constexpr std::string_view kWbmpInfo = "WBMPCoder::getWBMPInfo: ";
inline constexpr std::string_view kWbmpHeader = "WBMPCoder::createWBMPheader: ";
inline constexpr std::string_view kWbmpToWbmp = "WBMPCoder::convBMPToWBMP: ";
inline constexpr std::string_view kWbmpToBmp = "WBMPCoder::convWBMPToBMP: ";

// The texts of the GIF engine's result codes, in the order of the codes
// (GifErrors.cpp gives each code its text).
inline constexpr std::string_view kGifNoError = QT_TRANSLATE_NOOP("glyphon", "No error");
inline constexpr std::string_view kGifLoadBmp =
    QT_TRANSLATE_NOOP("glyphon", "Error loading BMP file");
inline constexpr std::string_view kGifLoadBmpToWindow =
    QT_TRANSLATE_NOOP("glyphon", "Error loading BMP to window");
inline constexpr std::string_view kGifLoadWbmp =
    QT_TRANSLATE_NOOP("glyphon", "Error loading WBMP file");
inline constexpr std::string_view kGifLoadJpeg =
    QT_TRANSLATE_NOOP("glyphon", "Error loading JPEG file");
inline constexpr std::string_view kGifLoadGif =
    QT_TRANSLATE_NOOP("glyphon", "Error loading GIF file");
inline constexpr std::string_view kGifSaveBmp = QT_TRANSLATE_NOOP("glyphon", "Error saving BMP");
inline constexpr std::string_view kGifSaveWbmp = QT_TRANSLATE_NOOP("glyphon", "Error saving WBMP");
inline constexpr std::string_view kGifSaveTemporaryBmp =
    QT_TRANSLATE_NOOP("glyphon", "Error saving temporary BMP");
inline constexpr std::string_view kGifNoBmp =
    QT_TRANSLATE_NOOP("glyphon", "No BMP loaded/created so far");
inline constexpr std::string_view kGifNoWbmp =
    QT_TRANSLATE_NOOP("glyphon", "No WBMP loaded/created so far");
inline constexpr std::string_view kGifNoFile = QT_TRANSLATE_NOOP("glyphon", "ERR_NOFILE");
inline constexpr std::string_view kGifCannotCreateFile =
    QT_TRANSLATE_NOOP("glyphon", "Cannot create file");
inline constexpr std::string_view kGifUnknownFileType =
    QT_TRANSLATE_NOOP("glyphon", "Unknown file type");
inline constexpr std::string_view kGifUnsupportedBitCount =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported BitsPerPixel value");
inline constexpr std::string_view kGifUnsupportedCompression =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported compression type");
inline constexpr std::string_view kGifWbmpToBmpFailed =
    QT_TRANSLATE_NOOP("glyphon", "Conversion from WBMP to BMP failed");
inline constexpr std::string_view kGifMonochromeFailed =
    QT_TRANSLATE_NOOP("glyphon", "Conversion to monochrome failed");
inline constexpr std::string_view kGifResizeFailed =
    QT_TRANSLATE_NOOP("glyphon", "Error while resizing");
inline constexpr std::string_view kGifHttpRefused =
    QT_TRANSLATE_NOOP("glyphon", "HTTP request refused");
inline constexpr std::string_view kGifHttpFailed =
    QT_TRANSLATE_NOOP("glyphon", "HTTP connection failed");
inline constexpr std::string_view kGifUserAbort = QT_TRANSLATE_NOOP("glyphon", "User Abort");
inline constexpr std::string_view kGifOutOfMemory = QT_TRANSLATE_NOOP("glyphon", "Out of memory");
inline constexpr std::string_view kGifUnsupportedFormat =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported format");
inline constexpr std::string_view kGifCannotOpen =
    QT_TRANSLATE_NOOP("glyphon", "Cannot open file for reading");
inline constexpr std::string_view kGifCodecLoadFailed =
    QT_TRANSLATE_NOOP("glyphon", "Cannot load image from codec");
inline constexpr std::string_view kGifOutOfSync =
    QT_TRANSLATE_NOOP("glyphon", "GIF Out of synchronization");
inline constexpr std::string_view kGifReadSignature =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading signature");
inline constexpr std::string_view kGifReadScreenDescriptor =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading screen descriptor");
inline constexpr std::string_view kGifReadGlobalPalette =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading global palette");
inline constexpr std::string_view kGifReadImageDescriptor =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading image descriptor");
inline constexpr std::string_view kGifReadCodeSize =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading initial code size");
inline constexpr std::string_view kGifReadBlockSize =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading data block size");
inline constexpr std::string_view kGifReadRasterData =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading raster data");
inline constexpr std::string_view kGifReadLocalPalette =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading local palette");
inline constexpr std::string_view kGifSkipImage =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Failed to skip image block");
inline constexpr std::string_view kGifReadExtensionCode =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading extension block code");
inline constexpr std::string_view kGifReadExtensionSize =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading extension block size");
inline constexpr std::string_view kGifReadExtensionData =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading extension block data");
inline constexpr std::string_view kGifUnknownSeparator =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Unknown block separator");
inline constexpr std::string_view kGifSaverOutOfSync =
    QT_TRANSLATE_NOOP("glyphon", "GIF Saver: Out of synchronization");
inline constexpr std::string_view kGifWriteFailed =
    QT_TRANSLATE_NOOP("glyphon", "GIF Saver: Write failed");
inline constexpr std::string_view kGifNoImageToSave =
    QT_TRANSLATE_NOOP("glyphon", "GIF Saver: No image to save");
inline constexpr std::string_view kGifUnhandledException =
    QT_TRANSLATE_NOOP("glyphon", "GIF Engine: Unhandled exception");
inline constexpr std::string_view kLzwInitFailed =
    QT_TRANSLATE_NOOP("glyphon", "LZW: Initialization failed");
inline constexpr std::string_view kLzwInternal =
    QT_TRANSLATE_NOOP("glyphon", "LZW: Internal error");
inline constexpr std::string_view kLzwNotReady =
    QT_TRANSLATE_NOOP("glyphon", "LZW: Engine not ready");
inline constexpr std::string_view kLzwReadError = QT_TRANSLATE_NOOP("glyphon", "LZW: Read error");
inline constexpr std::string_view kLzwTableFull = QT_TRANSLATE_NOOP("glyphon", "LZW: Table full");
inline constexpr std::string_view kLzwWidthTooBig =
    QT_TRANSLATE_NOOP("glyphon", "LZW: Initial width too big");
inline constexpr std::string_view kPngNoFile =
    QT_TRANSLATE_NOOP("glyphon", "PNG: No file ready for reading");

// The monochrome conversion methods' names (DitherMethod.h), in their order.
inline constexpr std::string_view kMethodThresholding =
    QT_TRANSLATE_NOOP("glyphon", "Thresholding");
inline constexpr std::string_view kMethodRandom = QT_TRANSLATE_NOOP("glyphon", "Random");
inline constexpr std::string_view kMethodMatrixForDisplaying =
    QT_TRANSLATE_NOOP("glyphon", "Matrix for Displaying");
inline constexpr std::string_view kMethodMatrixForPrinting =
    QT_TRANSLATE_NOOP("glyphon", "Matrix for Printing");
inline constexpr std::string_view kMethodFloydSteinberg =
    QT_TRANSLATE_NOOP("glyphon", "Floyd - Steinberg");
inline constexpr std::string_view kMethodAtkinson = QT_TRANSLATE_NOOP("glyphon", "Atkinson");
inline constexpr std::string_view kMethodJarvisJudiceNinke =
    QT_TRANSLATE_NOOP("glyphon", "Jarvis - Judice - Ninke");
inline constexpr std::string_view kMethodStucki = QT_TRANSLATE_NOOP("glyphon", "Stucki");
inline constexpr std::string_view kMethodBurkes = QT_TRANSLATE_NOOP("glyphon", "Burkes");
inline constexpr std::string_view kMethodSierra = QT_TRANSLATE_NOOP("glyphon", "Sierra");
inline constexpr std::string_view kMethodTwoRowSierra =
    QT_TRANSLATE_NOOP("glyphon", "Two-row Sierra");
inline constexpr std::string_view kMethodSierraLite = QT_TRANSLATE_NOOP("glyphon", "Sierra Lite");
inline constexpr std::string_view kMethodBayer2 = QT_TRANSLATE_NOOP("glyphon", "Bayer 2 x 2");
inline constexpr std::string_view kMethodBayer4 = QT_TRANSLATE_NOOP("glyphon", "Bayer 4 x 4");
inline constexpr std::string_view kMethodBayer8 = QT_TRANSLATE_NOOP("glyphon", "Bayer 8 x 8");
inline constexpr std::string_view kMethodBayer16 = QT_TRANSLATE_NOOP("glyphon", "Bayer 16 x 16");
inline constexpr std::string_view kMethodClusteredDot =
    QT_TRANSLATE_NOOP("glyphon", "Halftone screen");
inline constexpr std::string_view kMethodBlueNoise = QT_TRANSLATE_NOOP("glyphon", "Blue noise");

}  // namespace bitmap::text
