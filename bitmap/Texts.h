#pragma once

#include <string_view>

// The bitmap core's texts (UTF-8): Czech for ImageProc, English for the WBMP
// coder and the GIF engine. Operation prefixes are put in front of a message
// by the code that reports the failure.
namespace bitmap::text {

// ImageProc
inline constexpr std::string_view kNoBitmap = "BMP obrázek dosud nebyl vytvořen";
inline constexpr std::string_view kCannotOpen = "Nepodařilo se otevřít soubor";
inline constexpr std::string_view kWriteError = "Chyba při zápisu do souboru";
inline constexpr std::string_view kBadDepth =
    "Nepodporovaný formát bitmapy (špatná barevná hloubka)";
inline constexpr std::string_view kOutOfMemory = "Nedostatek paměti";
inline constexpr std::string_view kDitherDepth = "Metoda podporuje pouze 4bpp a 8bpp";
inline constexpr std::string_view kDitherMethod8 = "Nepodporovaná metoda pro 8bpp";
inline constexpr std::string_view kDitherMethod4 = "Nepodporovaná metoda pro 4bpp";

// BMP reading: refusals of files the reader does not take (an unsupported
// depth gives kBadDepth).
inline constexpr std::string_view kBmpTruncated = "Soubor BMP je zkrácený nebo poškozený";
inline constexpr std::string_view kBmpBadHeader = "Neplatná hlavička souboru BMP";
inline constexpr std::string_view kBmpBadSize = "Neplatné rozměry obrázku BMP";
inline constexpr std::string_view kBmpTooLarge = "Obrázek BMP je příliš velký";
inline constexpr std::string_view kBmpCompressed = "Komprimované soubory BMP nejsou podporovány";
inline constexpr std::string_view kBmpBitFields =
    "Soubory BMP s bitovými maskami jiné než 32bpp BGR nejsou podporovány";
inline constexpr std::string_view kBmpEmbeddedImage =
    "Soubory BMP s vloženým obrázkem JPEG nebo PNG nejsou podporovány";
inline constexpr std::string_view kBmpReadError = "Chyba při čtení souboru";

// Depth conversion and dithering: sources the converters cannot read.
inline constexpr std::string_view kBadSourceSize = "Neplatné rozměry zdrojového obrázku";
inline constexpr std::string_view kShortPixels = "Obrazová data jsou kratší, než udává hlavička";
inline constexpr std::string_view kTooFewColours = "Paleta obrázku má méně než dvě barvy";

// PNG writing: every failure gives this one text.
inline constexpr std::string_view kPngSaveError = "Chyba při ukládání PNG\n";

// PNG reading: codec library failures that carry no text of their own.
inline constexpr std::string_view kUnrecognised = "Nerozpoznaná chyba";

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
inline constexpr std::string_view kWbmpCannotOpen = "Cannot open file";
inline constexpr std::string_view kWbmpReadError = "Error while reading the file";
inline constexpr std::string_view kWbmpBadType = "Unsupported WBMP type (=/= 0)";
inline constexpr std::string_view kWbmpBadFixHeader = "Wrong FixHeaderField (msb =/= 0)";
inline constexpr std::string_view kWbmpBadDimensions = "Invalid WBMP dimensions";
inline constexpr std::string_view kWbmpNoMemory = "Insufficient memory";
inline constexpr std::string_view kWbmpWriteError = "Cannot write to file";
inline constexpr std::string_view kWbmpNotLoaded = "WBMP not loaded";
inline constexpr std::string_view kWbmpUnsupportedType = "Unsupported WBMP type";
inline constexpr std::string_view kWbmpBadLayout = "DIB rows do not match its header";
inline constexpr std::string_view kWbmpUnsupportedBpp =
    "Unsupported bpp for this operation (bpp = %d)";

// The WBMP coder's operation prefixes.
inline constexpr std::string_view kWbmpLoad = "WBMPCoder::loadWBMP: ";
inline constexpr std::string_view kWbmpSave = "WBMPCoder::saveWBMP: ";
inline constexpr std::string_view kWbmpInfo = "WBMPCoder::getWBMPInfo: ";
inline constexpr std::string_view kWbmpHeader = "WBMPCoder::createWBMPheader: ";
inline constexpr std::string_view kWbmpToWbmp = "WBMPCoder::convBMPToWBMP: ";
inline constexpr std::string_view kWbmpToBmp = "WBMPCoder::convWBMPToBMP: ";

// The texts of the GIF engine's result codes, in the order of the codes
// (GifErrors.cpp gives each code its text).
inline constexpr std::string_view kGifNoError = "No error";
inline constexpr std::string_view kGifLoadBmp = "Error loading BMP file";
inline constexpr std::string_view kGifLoadBmpToWindow = "Error loading BMP to window";
inline constexpr std::string_view kGifLoadWbmp = "Error loading WBMP file";
inline constexpr std::string_view kGifLoadJpeg = "Error loading JPEG file";
inline constexpr std::string_view kGifLoadGif = "Error loading GIF file";
inline constexpr std::string_view kGifSaveBmp = "Error saving BMP";
inline constexpr std::string_view kGifSaveWbmp = "Error saving WBMP";
inline constexpr std::string_view kGifSaveTemporaryBmp = "Error saving temporary BMP";
inline constexpr std::string_view kGifNoBmp = "No BMP loaded/created so far";
inline constexpr std::string_view kGifNoWbmp = "No WBMP loaded/created so far";
inline constexpr std::string_view kGifNoFile = "ERR_NOFILE";
inline constexpr std::string_view kGifCannotCreateFile = "Cannot create file";
inline constexpr std::string_view kGifUnknownFileType = "Unknown file type";
inline constexpr std::string_view kGifUnsupportedBitCount = "Unsupported BitsPerPixel value";
inline constexpr std::string_view kGifUnsupportedCompression = "Unsupported compression type";
inline constexpr std::string_view kGifWbmpToBmpFailed = "Conversion from WBMP to BMP failed";
inline constexpr std::string_view kGifMonochromeFailed = "Conversion to monochrome failed";
inline constexpr std::string_view kGifResizeFailed = "Error while resizing";
inline constexpr std::string_view kGifHttpRefused = "HTTP request refused";
inline constexpr std::string_view kGifHttpFailed = "HTTP connection failed";
inline constexpr std::string_view kGifUserAbort = "User Abort";
inline constexpr std::string_view kGifOutOfMemory = "Out of memory";
inline constexpr std::string_view kGifUnsupportedFormat = "Unsupported format";
inline constexpr std::string_view kGifCannotOpen = "Cannot open file for reading";
inline constexpr std::string_view kGifCodecLoadFailed = "Cannot load image from codec";
inline constexpr std::string_view kGifOutOfSync = "GIF Out of synchronization";
inline constexpr std::string_view kGifReadSignature = "GIF Loader: Error reading signature";
inline constexpr std::string_view kGifReadScreenDescriptor =
    "GIF Loader: Error reading screen descriptor";
inline constexpr std::string_view kGifReadGlobalPalette =
    "GIF Loader: Error reading global palette";
inline constexpr std::string_view kGifReadImageDescriptor =
    "GIF Loader: Error reading image descriptor";
inline constexpr std::string_view kGifReadCodeSize = "GIF Loader: Error reading initial code size";
inline constexpr std::string_view kGifReadBlockSize = "GIF Loader: Error reading data block size";
inline constexpr std::string_view kGifReadRasterData = "GIF Loader: Error reading raster data";
inline constexpr std::string_view kGifReadLocalPalette = "GIF Loader: Error reading local palette";
inline constexpr std::string_view kGifSkipImage = "GIF Loader: Failed to skip image block";
inline constexpr std::string_view kGifReadExtensionCode =
    "GIF Loader: Error reading extension block code";
inline constexpr std::string_view kGifReadExtensionSize =
    "GIF Loader: Error reading extension block size";
inline constexpr std::string_view kGifReadExtensionData =
    "GIF Loader: Error reading extension block data";
inline constexpr std::string_view kGifUnknownSeparator = "GIF Loader: Unknown block separator";
inline constexpr std::string_view kGifSaverOutOfSync = "GIF Saver: Out of synchronization";
inline constexpr std::string_view kGifWriteFailed = "GIF Saver: Write failed";
inline constexpr std::string_view kGifNoImageToSave = "GIF Saver: No image to save";
inline constexpr std::string_view kGifUnhandledException = "GIF Engine: Unhandled exception";
inline constexpr std::string_view kLzwInitFailed = "LZW: Initialization failed";
inline constexpr std::string_view kLzwInternal = "LZW: Internal error";
inline constexpr std::string_view kLzwNotReady = "LZW: Engine not ready";
inline constexpr std::string_view kLzwReadError = "LZW: Read error";
inline constexpr std::string_view kLzwTableFull = "LZW: Table full";
inline constexpr std::string_view kLzwWidthTooBig = "LZW: Initial width too big";
inline constexpr std::string_view kPngNoFile = "PNG: No file ready for reading";

// The monochrome conversion methods' names (DitherMethod.h), in their order.
inline constexpr std::string_view kMethodThresholding = "Thresholding";
inline constexpr std::string_view kMethodRandom = "Random";
inline constexpr std::string_view kMethodMatrixForDisplaying = "Matrix for Displaying";
inline constexpr std::string_view kMethodMatrixForPrinting = "Matrix for Printing";
inline constexpr std::string_view kMethodFloydSteinberg = "Floyd - Steinberg";
inline constexpr std::string_view kMethodAtkinson = "Atkinson";
inline constexpr std::string_view kMethodJarvisJudiceNinke = "Jarvis - Judice - Ninke";
inline constexpr std::string_view kMethodStucki = "Stucki";
inline constexpr std::string_view kMethodBurkes = "Burkes";
inline constexpr std::string_view kMethodSierra = "Sierra";
inline constexpr std::string_view kMethodTwoRowSierra = "Two-row Sierra";
inline constexpr std::string_view kMethodSierraLite = "Sierra Lite";
inline constexpr std::string_view kMethodBayer2 = "Bayer 2 x 2";
inline constexpr std::string_view kMethodBayer4 = "Bayer 4 x 4";
inline constexpr std::string_view kMethodBayer8 = "Bayer 8 x 8";
inline constexpr std::string_view kMethodBayer16 = "Bayer 16 x 16";
inline constexpr std::string_view kMethodClusteredDot = "Halftone screen";
inline constexpr std::string_view kMethodBlueNoise = "Blue noise";

}  // namespace bitmap::text
