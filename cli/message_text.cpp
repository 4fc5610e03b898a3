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

namespace {

// Quoted's longest word: the quotes, kQuotedLength characters and "...".
constexpr std::size_t kLongestWord = kQuotedLength + 5;

// Every word of `text` (escaped: valid UTF-8, "\xNN" counting as one character)
// longer than kLongestWord characters cut to kQuotedLength and "...", keeping its
// closing quote or punctuation: values that a message quotes without Quoted (CLI11's
// own messages) stay short too.
std::string WordsCut(const std::string& text) {
  std::string out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string_view word(text.data() + start, end - start);
    std::size_t characters = 0, cut = word.size(), keep = word.size();
    for (std::size_t i = 0; i < word.size(); ++i) {
      if ((static_cast<unsigned char>(word[i]) & 0xC0) == 0x80) continue;  // inside a character
      if (characters == kQuotedLength) keep = i;
      if (characters++ == kLongestWord) {
        cut = keep;
        break;
      }
      if (word.compare(i, 2, "\\x") == 0) i += 3;
    }
    std::size_t tail = word.size();
    while (tail > cut && std::string_view("'\":,;)?").find(word[tail - 1]) != std::string_view::npos) --tail;
    out.append(word.substr(0, cut));
    if (cut < word.size()) out += "..." + std::string(word.substr(tail));
    if (end < text.size()) out += ' ';
    start = end + 1;
  }
  return out;
}

}  // namespace

void ReportError(std::string_view what) {
  const std::string line = "orvantis-cli: " + WordsCut(Escaped(what)) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace orv::cli
