// Messages of orvantis-cli on standard error. A message may quote what the user gave:
// an argument or a parameter file's line, which may hold anything. Terminal control
// bytes and invalid UTF-8 are shown escaped, so a hostile file cannot retitle or clear
// the terminal, and a long quoted value is cut, so a 1 MB value gives a short line.
#pragma once

#include <string>
#include <string_view>

namespace orv::cli {

// Quoted values longer than this many characters end in "...".
inline constexpr std::size_t kQuotedLength = 60;

// `text` with control bytes (C0, DEL, C1) and the bytes of invalid UTF-8 as "\xNN".
std::string Escaped(std::string_view text);

// 'text', escaped, cut to kQuotedLength characters.
std::string Quoted(std::string_view text);

// "orvantis-cli: <what>" and a line end on standard error, escaped.
void ReportError(std::string_view what);

}  // namespace orv::cli
