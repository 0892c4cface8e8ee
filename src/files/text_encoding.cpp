#include "files/text_encoding.h"

#include <cstdint>

namespace tamrel {

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Windows-1252 0x80..0x9F; 0 where the code page defines no character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

std::size_t Utf8CharAt(std::string_view text, std::size_t i, char32_t& cp) {
  if (i >= text.size()) return 0;
  const auto b = static_cast<unsigned char>(text[i]);
  if (b < 0x80) {
    cp = b;
    return 1;
  }
  std::size_t extra = 0;
  char32_t v = 0;
  char32_t min = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    extra = 1, v = b & 0x1F, min = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    extra = 2, v = b & 0x0F, min = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    extra = 3, v = b & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() - i <= extra) return 0;  // cut inside a character
  for (std::size_t k = 1; k <= extra; ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    v = (v << 6) | (c & 0x3F);
  }
  if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  cp = v;
  return extra + 1;
}

bool IsValidUtf8(std::string_view text) {
  char32_t cp = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = Utf8CharAt(text, i, cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    char32_t cp = b;
    if (b >= 0x80 && b <= 0x9F && kCp1252High[b - 0x80] != 0) cp = kCp1252High[b - 0x80];
    AppendUtf8(out, cp);
  }
  return out;
}

}  // namespace tamrel
