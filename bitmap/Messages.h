#pragma once

#include <string_view>

// The bitmap core's message texts (Czech for ImageProc, English for the
// WBMP coder), kept in one place. Operation prefixes are put in front of
// them by the code that reports the failure.
namespace bitmap::msg {

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

// BMP reading: refusals of files the reader does not take.
inline constexpr std::string_view kBmpTruncated = "Soubor BMP je zkrácený nebo poškozený";
inline constexpr std::string_view kBmpBadHeader = "Neplatná hlavička souboru BMP";
inline constexpr std::string_view kBmpBadSize = "Neplatné rozměry obrázku BMP";
inline constexpr std::string_view kBmpTooLarge = "Obrázek BMP je příliš velký";
inline constexpr std::string_view kBmpCompressed = "Komprimované soubory BMP nejsou podporovány";
inline constexpr std::string_view kBmpBitFields =
    "Soubory BMP s bitovými maskami jiné než 32bpp BGR nejsou podporovány";
inline constexpr std::string_view kBmpUnsupportedDepth =
    "Nepodporovaný formát bitmapy (špatná barevná hloubka)";
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

// Operation prefixes.
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

}  // namespace bitmap::msg
