#pragma once

#include <string>
#include <string_view>

// The pieces every WML page of the program shares: the WML 1.1 prolog, the
// closing line, and escaping of the texts filled into the pages.
namespace app {

// The XML declaration, the WML 1.1 document type declaration and the opening
// <wml> tag, each line ended by CR LF.
inline constexpr std::string_view kWmlProlog =
    "<?xml version=\"1.0\"?>\r\n"
    "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.1//EN\" "
    "\"http://www.wapforum.org/DTD/wml_1.1.xml\">\r\n"
    "<wml>\r\n";

// The closing </wml> tag ended by CR LF.
inline constexpr std::string_view kWmlFooter = "</wml>\r\n";

// `text` made safe for an attribute value delimited by `quote` (' or "):
// "&", "<", ">" and that quote become &amp; &lt; &gt; and &apos; or &quot;.
// The other quote character is left as it is. Any other `quote` (for
// example '\0' for element text) escapes no quote at all.
std::string escapeXml(std::string_view text, char quote);

// `text` for a WML page: escaped as escapeXml does, and every "$" doubled,
// since a single "$" starts a variable reference in WML.
std::string escapeWml(std::string_view text, char quote);

// A file name as one segment of a relative URL: every byte but letters,
// digits and - . _ ~ ! $ & ' ( ) * + , ; = @ is percent-encoded (a space,
// "%", "#", "?", ":" and every byte of a non-ASCII character included).
std::string urlEncodeFileName(std::string_view name);

// A source prefix the user typed, which may be a URL of its own: only what
// no URL can carry is percent-encoded -- control characters, spaces, bytes
// of non-ASCII characters, " < > ^ ` { | } and a "%" that does not start an
// encoded byte already.
std::string urlEncodePrefix(std::string_view prefix);

}  // namespace app
