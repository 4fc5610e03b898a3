#include "cli/message_text.h"

#include <cstdio>

namespace orv::cli {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned low = 0x80, high = 0xBF;  // the second byte's range (overlong forms and surrogates excluded)
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return length;
}

void AppendEscapedByte(std::string& out, unsigned char byte) {
  constexpr const char* kHex = "0123456789abcdef";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

// Escapes whole characters of `text` until `limit` characters are out; returns the
// bytes of `text` used.
std::size_t AppendEscaped(std::string& out, std::string_view text, std::size_t limit) {
  std::size_t used = 0;
  for (std::size_t shown = 0; used < text.size() && shown < limit; ++shown) {
    const std::string_view rest = text.substr(used);
    const std::size_t length = SequenceLength(rest);
    const auto lead = static_cast<unsigned char>(rest[0]);
    // C1 controls (U+0080..U+009F) are two bytes starting 0xC2; some terminals obey them.
    const bool control = lead < 0x20 || lead == 0x7F ||
                         (length == 2 && lead == 0xC2 && static_cast<unsigned char>(rest[1]) < 0xA0);
    if (length == 0) {
      AppendEscapedByte(out, lead);
      used += 1;
    } else if (control) {
      for (std::size_t i = 0; i < length; ++i) AppendEscapedByte(out, static_cast<unsigned char>(rest[i]));
      used += length;
    } else {
      out.append(rest.substr(0, length));
      used += length;
    }
  }
  return used;
}

}  // namespace

std::string Escaped(std::string_view text) {
  std::string out;
  AppendEscaped(out, text, text.size());
  return out;
}

std::string Quoted(std::string_view text) {
  std::string out = "'";
  if (AppendEscaped(out, text, kQuotedLength) < text.size()) out += "...";
  return out + "'";
}

void ReportError(std::string_view what) {
  const std::string line = "orvantis-cli: " + Escaped(what) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace orv::cli
