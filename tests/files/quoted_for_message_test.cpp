#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "files/regular_file.h"
#include "files/text_encoding.h"

namespace tamrel {
namespace {

using namespace std::string_literals;

struct QuoteCase {
  const char* what;
  std::string text;
  std::string quoted;
  std::size_t maxChars = 40;
};

// Every text quoted reads as the bytes it was: no two texts read the same,
// nothing in the result ends, hides or turns the message around, and the
// result is valid UTF-8.
TEST(QuotedForMessage, ShowsEveryByteThatWouldNotReadAsItself) {
  const std::string a37(37, '7');
  const std::string a38(38, '7');
  const std::string a39(39, '7');
  const QuoteCase cases[] = {
      {"plain text", "3333 mm", R"("3333 mm")"},
      {"a tab is kept", "33\t33", "\"33\t33\""},
      {"letters of other scripts are kept",
       "St\xC3\xA5l \xE2\x82\xAC \xD7\xA9 \xF0\x9F\x99\x82",  // Stål € ש 🙂
       "\"St\xC3\xA5l \xE2\x82\xAC \xD7\xA9 \xF0\x9F\x99\x82\""},
      // A backslash in the file is doubled, so its text never reads as an escape.
      {"a NUL", "a\0b"s, R"("a\0b")"},
      {"a backslash and a zero", R"(a\0b)", R"("a\\0b")"},
      {"a backslash and an x escape", R"(33\x0133)", R"("33\\x0133")"},
      {"a backslash and a u escape", R"(5\u{202E})", R"("5\\u{202E}")"},
      {"a lone backslash at the end", R"(50\)", R"("50\\")"},
      {"a double quote", R"(1" is fine; "x)", R"("1\" is fine; \"x")"},
      {"C0 controls and DEL", "\x01\n\r\x1B\x1F\x7F", R"("\x01\x0A\x0D\x1B\x1F\x7F")"},
      // C1 controls written as UTF-8.
      {"U+0080", "50\xC2\x80", R"("50\u{80}")"},
      {"NEL U+0085", "50\xC2\x85", R"("50\u{85}")"},
      {"CSI U+009B", "50\xC2\x9B[2J", R"("50\u{9B}[2J")"},
      {"U+009F", "50\xC2\x9F", R"("50\u{9F}")"},
      {"no-break space U+00A0 is kept", "50\xC2\xA0mm", "\"50\xC2\xA0mm\""},
      // Bidirectional controls, and the line and paragraph separators.
      {"right-to-left override U+202E", "50\xE2\x80\xAE mm", R"("50\u{202E} mm")"},
      {"embeddings and pop U+202A..U+202C", "\xE2\x80\xAA\xE2\x80\xAB\xE2\x80\xAC",
       R"("\u{202A}\u{202B}\u{202C}")"},
      {"left-to-right override U+202D", "\xE2\x80\xAD", R"("\u{202D}")"},
      {"isolates U+2066..U+2069", "\xE2\x81\xA6\xE2\x81\xA7\xE2\x81\xA8x\xE2\x81\xA9",
       R"("\u{2066}\u{2067}\u{2068}x\u{2069}")"},
      {"marks U+061C, U+200E, U+200F", "\xD8\x9C\xE2\x80\x8E\xE2\x80\x8F",
       R"("\u{61C}\u{200E}\u{200F}")"},
      {"line and paragraph separators",
       "1\xE2\x80\xA8"
       "2\xE2\x80\xA9"
       "3",
       R"("1\u{2028}2\u{2029}3")"},
      {"neighbours of the ranges are kept", "\xE2\x80\xA7\xE2\x80\xAF\xE2\x81\xA5\xE2\x81\xAA",
       "\"\xE2\x80\xA7\xE2\x80\xAF\xE2\x81\xA5\xE2\x81\xAA\""},
      // Bytes that start no valid UTF-8 character: each shown by its value,
      // so that no form of a hidden character slips through.
      {"an 8-bit byte of another code page", "50\x85", R"("50\x85")"},
      {"a stray continuation byte",
       "5\x80"
       "0",
       R"("5\x800")"},
      {"overlong NUL", "5\xC0\x80", R"("5\xC0\x80")"},
      {"overlong right-to-left override", "\xF0\x82\x80\xAE", R"("\xF0\x82\x80\xAE")"},
      {"a surrogate", "\xED\xA0\x80", R"("\xED\xA0\x80")"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", R"("\xF4\x90\x80\x80")"},
      {"a byte no UTF-8 uses", "\xFF\xF5", R"("\xFF\xF5")"},
      {"a character cut by the end", "50\xE2\x80", R"("50\xE2\x80")"},
      {"a lead byte before a plain letter", "\xE2x", R"("\xE2x")"},
      // The cut falls before a whole character, never inside one or inside its escape.
      {"forty bytes are kept whole", std::string(40, '7'), '"' + std::string(40, '7') + '"'},
      {"the forty-first is cut", std::string(41, '7'), '"' + std::string(40, '7') + "...\""},
      {"a letter across the cut", a39 + "\xC3\xA9", '"' + a39 + "...\""},
      {"a letter ending at the cut", a38 + "\xC3\xA9" + "x", '"' + a38 + "\xC3\xA9...\""},
      {"an escaped character across the cut", a38 + "\xE2\x80\xAE", '"' + a38 + "...\""},
      {"an escaped character ending at the cut", a37 + "\xE2\x80\xAE" + "x",
       '"' + a37 + "\\u{202E}...\""},
      {"a NUL at the cut", a39 + "\0x"s, '"' + a39 + "\\0...\""},
      {"stray bytes one by one up to the cut", std::string(41, '\x80'),
       [] {
         std::string q = "\"";
         for (int i = 0; i < 40; ++i) q += "\\x80";
         return q + "...\"";
       }()},
      {"a shorter cut", "abcdef", R"("abc...")", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string quoted = QuotedForMessage(c.text, c.maxChars);
    EXPECT_EQ(quoted, c.quoted);
    EXPECT_TRUE(IsValidUtf8(quoted)) << quoted;
    for (char ch : quoted) {
      const auto b = static_cast<unsigned char>(ch);
      EXPECT_TRUE(b >= 0x20 || b == '\t') << quoted;
    }
  }
}

}  // namespace
}  // namespace tamrel
