#pragma once

#include <string_view>

#include "base/TextMark.h"

// The bitmap core's texts (UTF-8): Czech for ImageProc, English for the WBMP
// coder and the GIF engine. Operation prefixes are put in front of a message
// by the code that reports the failure.
namespace bitmap::text {

// ImageProc
inline constexpr bitmap::CatalogueText kNoBitmap =
    QT_TRANSLATE_NOOP("glyphon", "BMP obrázek dosud nebyl vytvořen");
inline constexpr bitmap::CatalogueText kCannotOpen =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se otevřít soubor");
inline constexpr bitmap::CatalogueText kWriteError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při zápisu do souboru");
inline constexpr bitmap::CatalogueText kBadDepth =
    QT_TRANSLATE_NOOP("glyphon", "Nepodporovaný formát bitmapy (špatná barevná hloubka)");
inline constexpr bitmap::CatalogueText kOutOfMemory =
    QT_TRANSLATE_NOOP("glyphon", "Nedostatek paměti");
inline constexpr bitmap::CatalogueText kDitherDepth =
    QT_TRANSLATE_NOOP("glyphon", "Metoda podporuje pouze 4bpp a 8bpp");
inline constexpr bitmap::CatalogueText kDitherMethod8 =
    QT_TRANSLATE_NOOP("glyphon", "Nepodporovaná metoda pro 8bpp");
inline constexpr bitmap::CatalogueText kDitherMethod4 =
    QT_TRANSLATE_NOOP("glyphon", "Nepodporovaná metoda pro 4bpp");

// BMP reading: refusals of files the reader does not take, naming what the
// file holds where the text has placeholders.
inline constexpr bitmap::CatalogueText kBmpTruncated =
    QT_TRANSLATE_NOOP("glyphon", "Soubor BMP je zkrácený nebo poškozený");
inline constexpr bitmap::CatalogueText kBmpBadHeader =
    QT_TRANSLATE_NOOP("glyphon", "Neplatná hlavička souboru BMP");
inline constexpr bitmap::CatalogueText kBmpBadSize =
    QT_TRANSLATE_NOOP("glyphon", "Neplatné rozměry obrázku BMP");
inline constexpr bitmap::CatalogueText kBmpTooLarge =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek BMP je příliš velký");
// The depth in bits per pixel.
inline constexpr bitmap::CatalogueText kBmpUnknownDepth = QT_TRANSLATE_NOOP(
    "glyphon", "Soubor BMP udává barevnou hloubku %d bpp, kterou formát BMP nemá");
inline constexpr bitmap::CatalogueText kBmpCoreDepth = QT_TRANSLATE_NOOP(
    "glyphon",
    "Soubor BMP s hlavičkou OS/2 1.x udává barevnou hloubku %d bpp, kterou tato hlavička nemá");
// The coding's name (RLE8, RLE4, RLE24) and the depth.
inline constexpr bitmap::CatalogueText kBmpCodingDepth = QT_TRANSLATE_NOOP(
    "glyphon", "Soubor BMP udává kódování %s u barevné hloubky %d bpp, u níž není možné");
// The depth.
inline constexpr bitmap::CatalogueText kBmpMasksDepth = QT_TRANSLATE_NOOP(
    "glyphon",
    "Soubor BMP udává bitové masky u barevné hloubky %d bpp; masky mají jen soubory s 16 a 32 bpp");
// The depth and the red, green, blue and alpha masks.
inline constexpr bitmap::CatalogueText kBmpBadMasks =
    QT_TRANSLATE_NOOP("glyphon",
                      "Bitové masky souboru BMP (%d bpp: červená %s, zelená %s, modrá %s, alfa %s) "
                      "nejsou souvislé, překrývají se nebo přesahují pixel");
// The coding's name (Huffman 1D, CMYK).
inline constexpr bitmap::CatalogueText kBmpUnsupportedCoding =
    QT_TRANSLATE_NOOP("glyphon", "Soubory BMP s kódováním %s nejsou podporovány");
// The number of the compression field.
inline constexpr bitmap::CatalogueText kBmpUnknownCoding =
    QT_TRANSLATE_NOOP("glyphon", "Soubor BMP udává neznámé kódování číslo %d");
// JPEG or PNG, and the decoder's own message.
inline constexpr bitmap::CatalogueText kBmpEmbeddedUnreadable =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek %s vložený do souboru BMP nelze přečíst: %s");
inline constexpr bitmap::CatalogueText kBmpReadError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při čtení souboru");

// Depth conversion and dithering: sources the converters cannot read.
inline constexpr bitmap::CatalogueText kBadSourceSize =
    QT_TRANSLATE_NOOP("glyphon", "Neplatné rozměry zdrojového obrázku");
inline constexpr bitmap::CatalogueText kShortPixels =
    QT_TRANSLATE_NOOP("glyphon", "Obrazová data jsou kratší, než udává hlavička");
inline constexpr bitmap::CatalogueText kTooFewColours =
    QT_TRANSLATE_NOOP("glyphon", "Paleta obrázku má méně než dvě barvy");

// PNG writing: every failure gives this one text.
inline constexpr bitmap::CatalogueText kPngSaveError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při ukládání PNG\n");

// PNG reading: codec library failures that carry no text of their own.
inline constexpr bitmap::CatalogueText kUnrecognised =
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
inline constexpr bitmap::CatalogueText kWbmpCannotOpen =
    QT_TRANSLATE_NOOP("glyphon", "Cannot open file");
inline constexpr bitmap::CatalogueText kWbmpReadError =
    QT_TRANSLATE_NOOP("glyphon", "Error while reading the file");
inline constexpr bitmap::CatalogueText kWbmpBadType =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported WBMP type (=/= 0)");
inline constexpr bitmap::CatalogueText kWbmpBadFixHeader =
    QT_TRANSLATE_NOOP("glyphon", "Wrong FixHeaderField (msb =/= 0)");
inline constexpr bitmap::CatalogueText kWbmpBadDimensions =
    QT_TRANSLATE_NOOP("glyphon", "Invalid WBMP dimensions");
inline constexpr bitmap::CatalogueText kWbmpNoMemory =
    QT_TRANSLATE_NOOP("glyphon", "Insufficient memory");
inline constexpr bitmap::CatalogueText kWbmpWriteError =
    QT_TRANSLATE_NOOP("glyphon", "Cannot write to file");
inline constexpr bitmap::CatalogueText kWbmpNotLoaded =
    QT_TRANSLATE_NOOP("glyphon", "WBMP not loaded");
inline constexpr bitmap::CatalogueText kWbmpUnsupportedType =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported WBMP type");
inline constexpr bitmap::CatalogueText kWbmpBadLayout =
    QT_TRANSLATE_NOOP("glyphon", "DIB rows do not match its header");
inline constexpr bitmap::CatalogueText kWbmpUnsupportedBpp =
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
inline constexpr bitmap::CatalogueText kGifNoError = QT_TRANSLATE_NOOP("glyphon", "No error");
inline constexpr bitmap::CatalogueText kGifLoadBmp =
    QT_TRANSLATE_NOOP("glyphon", "Error loading BMP file");
inline constexpr bitmap::CatalogueText kGifLoadBmpToWindow =
    QT_TRANSLATE_NOOP("glyphon", "Error loading BMP to window");
inline constexpr bitmap::CatalogueText kGifLoadWbmp =
    QT_TRANSLATE_NOOP("glyphon", "Error loading WBMP file");
inline constexpr bitmap::CatalogueText kGifLoadJpeg =
    QT_TRANSLATE_NOOP("glyphon", "Error loading JPEG file");
inline constexpr bitmap::CatalogueText kGifLoadGif =
    QT_TRANSLATE_NOOP("glyphon", "Error loading GIF file");
inline constexpr bitmap::CatalogueText kGifSaveBmp =
    QT_TRANSLATE_NOOP("glyphon", "Error saving BMP");
inline constexpr bitmap::CatalogueText kGifSaveWbmp =
    QT_TRANSLATE_NOOP("glyphon", "Error saving WBMP");
inline constexpr bitmap::CatalogueText kGifSaveTemporaryBmp =
    QT_TRANSLATE_NOOP("glyphon", "Error saving temporary BMP");
inline constexpr bitmap::CatalogueText kGifNoBmp =
    QT_TRANSLATE_NOOP("glyphon", "No BMP loaded/created so far");
inline constexpr bitmap::CatalogueText kGifNoWbmp =
    QT_TRANSLATE_NOOP("glyphon", "No WBMP loaded/created so far");
inline constexpr bitmap::CatalogueText kGifNoFile = QT_TRANSLATE_NOOP("glyphon", "ERR_NOFILE");
inline constexpr bitmap::CatalogueText kGifCannotCreateFile =
    QT_TRANSLATE_NOOP("glyphon", "Cannot create file");
inline constexpr bitmap::CatalogueText kGifUnknownFileType =
    QT_TRANSLATE_NOOP("glyphon", "Unknown file type");
inline constexpr bitmap::CatalogueText kGifUnsupportedBitCount =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported BitsPerPixel value");
inline constexpr bitmap::CatalogueText kGifUnsupportedCompression =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported compression type");
inline constexpr bitmap::CatalogueText kGifWbmpToBmpFailed =
    QT_TRANSLATE_NOOP("glyphon", "Conversion from WBMP to BMP failed");
inline constexpr bitmap::CatalogueText kGifMonochromeFailed =
    QT_TRANSLATE_NOOP("glyphon", "Conversion to monochrome failed");
inline constexpr bitmap::CatalogueText kGifResizeFailed =
    QT_TRANSLATE_NOOP("glyphon", "Error while resizing");
inline constexpr bitmap::CatalogueText kGifHttpRefused =
    QT_TRANSLATE_NOOP("glyphon", "HTTP request refused");
inline constexpr bitmap::CatalogueText kGifHttpFailed =
    QT_TRANSLATE_NOOP("glyphon", "HTTP connection failed");
inline constexpr bitmap::CatalogueText kGifUserAbort = QT_TRANSLATE_NOOP("glyphon", "User Abort");
inline constexpr bitmap::CatalogueText kGifOutOfMemory =
    QT_TRANSLATE_NOOP("glyphon", "Out of memory");
inline constexpr bitmap::CatalogueText kGifUnsupportedFormat =
    QT_TRANSLATE_NOOP("glyphon", "Unsupported format");
inline constexpr bitmap::CatalogueText kGifCannotOpen =
    QT_TRANSLATE_NOOP("glyphon", "Cannot open file for reading");
inline constexpr bitmap::CatalogueText kGifCodecLoadFailed =
    QT_TRANSLATE_NOOP("glyphon", "Cannot load image from codec");
inline constexpr bitmap::CatalogueText kGifOutOfSync =
    QT_TRANSLATE_NOOP("glyphon", "GIF Out of synchronization");
inline constexpr bitmap::CatalogueText kGifReadSignature =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading signature");
inline constexpr bitmap::CatalogueText kGifReadScreenDescriptor =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading screen descriptor");
inline constexpr bitmap::CatalogueText kGifReadGlobalPalette =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading global palette");
inline constexpr bitmap::CatalogueText kGifReadImageDescriptor =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading image descriptor");
inline constexpr bitmap::CatalogueText kGifReadCodeSize =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading initial code size");
inline constexpr bitmap::CatalogueText kGifReadBlockSize =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading data block size");
inline constexpr bitmap::CatalogueText kGifReadRasterData =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading raster data");
inline constexpr bitmap::CatalogueText kGifReadLocalPalette =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading local palette");
inline constexpr bitmap::CatalogueText kGifSkipImage =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Failed to skip image block");
inline constexpr bitmap::CatalogueText kGifReadExtensionCode =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading extension block code");
inline constexpr bitmap::CatalogueText kGifReadExtensionSize =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading extension block size");
inline constexpr bitmap::CatalogueText kGifReadExtensionData =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Error reading extension block data");
inline constexpr bitmap::CatalogueText kGifUnknownSeparator =
    QT_TRANSLATE_NOOP("glyphon", "GIF Loader: Unknown block separator");
inline constexpr bitmap::CatalogueText kGifSaverOutOfSync =
    QT_TRANSLATE_NOOP("glyphon", "GIF Saver: Out of synchronization");
inline constexpr bitmap::CatalogueText kGifWriteFailed =
    QT_TRANSLATE_NOOP("glyphon", "GIF Saver: Write failed");
inline constexpr bitmap::CatalogueText kGifNoImageToSave =
    QT_TRANSLATE_NOOP("glyphon", "GIF Saver: No image to save");
inline constexpr bitmap::CatalogueText kGifUnhandledException =
    QT_TRANSLATE_NOOP("glyphon", "GIF Engine: Unhandled exception");
inline constexpr bitmap::CatalogueText kLzwInitFailed =
    QT_TRANSLATE_NOOP("glyphon", "LZW: Initialization failed");
inline constexpr bitmap::CatalogueText kLzwInternal =
    QT_TRANSLATE_NOOP("glyphon", "LZW: Internal error");
inline constexpr bitmap::CatalogueText kLzwNotReady =
    QT_TRANSLATE_NOOP("glyphon", "LZW: Engine not ready");
inline constexpr bitmap::CatalogueText kLzwReadError =
    QT_TRANSLATE_NOOP("glyphon", "LZW: Read error");
inline constexpr bitmap::CatalogueText kLzwTableFull =
    QT_TRANSLATE_NOOP("glyphon", "LZW: Table full");
inline constexpr bitmap::CatalogueText kLzwWidthTooBig =
    QT_TRANSLATE_NOOP("glyphon", "LZW: Initial width too big");
inline constexpr bitmap::CatalogueText kPngNoFile =
    QT_TRANSLATE_NOOP("glyphon", "PNG: No file ready for reading");

// The monochrome conversion methods' names (DitherMethod.h), in their order.
inline constexpr bitmap::CatalogueText kMethodThresholding =
    QT_TRANSLATE_NOOP("glyphon", "Thresholding");
inline constexpr bitmap::CatalogueText kMethodRandom = QT_TRANSLATE_NOOP("glyphon", "Random");
inline constexpr bitmap::CatalogueText kMethodMatrixForDisplaying =
    QT_TRANSLATE_NOOP("glyphon", "Matrix for Displaying");
inline constexpr bitmap::CatalogueText kMethodMatrixForPrinting =
    QT_TRANSLATE_NOOP("glyphon", "Matrix for Printing");
inline constexpr bitmap::CatalogueText kMethodFloydSteinberg =
    QT_TRANSLATE_NOOP("glyphon", "Floyd - Steinberg");
inline constexpr bitmap::CatalogueText kMethodAtkinson = QT_TRANSLATE_NOOP("glyphon", "Atkinson");
inline constexpr bitmap::CatalogueText kMethodJarvisJudiceNinke =
    QT_TRANSLATE_NOOP("glyphon", "Jarvis - Judice - Ninke");
inline constexpr bitmap::CatalogueText kMethodStucki = QT_TRANSLATE_NOOP("glyphon", "Stucki");
inline constexpr bitmap::CatalogueText kMethodBurkes = QT_TRANSLATE_NOOP("glyphon", "Burkes");
inline constexpr bitmap::CatalogueText kMethodSierra = QT_TRANSLATE_NOOP("glyphon", "Sierra");
inline constexpr bitmap::CatalogueText kMethodTwoRowSierra =
    QT_TRANSLATE_NOOP("glyphon", "Two-row Sierra");
inline constexpr bitmap::CatalogueText kMethodSierraLite =
    QT_TRANSLATE_NOOP("glyphon", "Sierra Lite");
inline constexpr bitmap::CatalogueText kMethodBayer2 = QT_TRANSLATE_NOOP("glyphon", "Bayer 2 x 2");
inline constexpr bitmap::CatalogueText kMethodBayer4 = QT_TRANSLATE_NOOP("glyphon", "Bayer 4 x 4");
inline constexpr bitmap::CatalogueText kMethodBayer8 = QT_TRANSLATE_NOOP("glyphon", "Bayer 8 x 8");
inline constexpr bitmap::CatalogueText kMethodBayer16 =
    QT_TRANSLATE_NOOP("glyphon", "Bayer 16 x 16");
inline constexpr bitmap::CatalogueText kMethodClusteredDot =
    QT_TRANSLATE_NOOP("glyphon", "Halftone screen");
inline constexpr bitmap::CatalogueText kMethodBlueNoise =
    QT_TRANSLATE_NOOP("glyphon", "Blue noise");

}  // namespace bitmap::text
