#pragma once

// The texts of the split sheet (UTF-8).
namespace app::ui::text {

inline constexpr char kSplitSheetTitle[] = "Rozdělit obrázek";
inline constexpr char kSplitPicturePage[] = "Obrázek";
inline constexpr char kSplitWmlPage[] = "WML stránka";
inline constexpr char kSplitSource[] = "Zdrojový obrázek:";
inline constexpr char kSplitDimensions[] = "Rozměry obrázku:";
inline constexpr char kSplitOutputFolder[] = "Výstupní složka:";
inline constexpr char kSplitBrowse[] = "Procházet";
inline constexpr char kSplitTileGroup[] = "Velikost okénka";
inline constexpr char kSplitCustomSize[] = "Vlastní velikost";
inline constexpr char kSplitDisplaySize[] = "Podle displeje";
inline constexpr char kSplitTimes[] = " x";
inline constexpr char kSplitFormatGroup[] = "Výstupní formát";
inline constexpr char kSplitCreatePages[] = "Generovat WML stránky";
inline constexpr char kSplitSeparateFolder[] = "Jiné umístění pro WML stránky";
inline constexpr char kSplitPrefix[] = "Prefix pro zdroj obrázku";

}  // namespace app::ui::text
