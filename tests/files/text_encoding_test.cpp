#include "files/text_encoding.h"

#include <gtest/gtest.h>

namespace tamrel {
namespace {

TEST(TextEncoding, StrictUtf8) {
  const struct {
    const char* text;
    bool valid;
  } cases[] = {
      {"plain ASCII, \"quotes\"", true},
      {"\xC3\x86r\xC3\xB8 \xE2\x80\x93 \xE4\xB8\xAD \xF0\x9F\x99\x82", true},  // Ærø – 中 🙂
      {"Pr\xF8ve", false},                                                     // Latin-1 ø
      {"\x96 dash", false},  // Windows-1252 en dash
      {"\xC3", false},       // cut inside a character
      {"\xE2\x80", false},
      {"\xC0\xAF", false},          // overlong
      {"\xE0\x80\xAF", false},      // overlong
      {"\xED\xA0\x80", false},      // surrogate
      {"\xF4\x90\x80\x80", false},  // above U+10FFFF
      {"\xC3\x28", false},          // bad continuation
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(TextEncoding, Windows1252ToUtf8) {
  EXPECT_EQ(Cp1252ToUtf8("Pr\xF8ve \xC6r\xF8"), "Pr\xC3\xB8ve \xC3\x86r\xC3\xB8");
  EXPECT_EQ(Cp1252ToUtf8("\x80 \x96 \x9F"), "\xE2\x82\xAC \xE2\x80\x93 \xC5\xB8");  // € – Ÿ
  EXPECT_EQ(Cp1252ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");  // undefined: as Latin-1
  EXPECT_EQ(Cp1252ToUtf8("ASCII 170"), "ASCII 170");
}

}  // namespace
}  // namespace tamrel
