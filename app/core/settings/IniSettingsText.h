#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// The values of a settings file in the INI form Qt's QSettings writes
// ("[Group]" lines, "Key=Value" lines, "\" for "/" and "%XX" escapes in
// keys), read without Qt, as full "Group/Key" names with their text.
//
// Only files whose every line has one plain reading are read: a value with
// quotes, backslashes, commas (a list), a leading "@" (a typed value), a
// ";" or "#" anywhere, control characters, malformed UTF-8, a key given
// twice, or any line of another form make the answer "not sure" (nullopt),
// and the caller then asks Qt. What is answered is what QSettings reads.
using IniValues = std::map<std::string, std::string, std::less<>>;
std::optional<IniValues> readPlainIniSettings(std::string_view text);

// A whole decimal number as Qt reads one from settings text (an optional
// sign and digits, within 32 bits); nothing otherwise.
std::optional<int> plainSettingsNumber(std::string_view text);

}  // namespace app
