#pragma once
// Text encodings of project files: UTF-8 now; files of earlier versions hold
// 8-bit text in the Windows code page (Windows-1252, a superset of Latin-1).

#include <cstddef>
#include <string>
#include <string_view>

namespace tamrel {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The length in bytes of the strict UTF-8 character that starts at text[i],
// its code point in cp; 0 when none starts there (a byte that starts no
// character, a form that strict UTF-8 refuses, a character cut short by the
// end of the text), and cp is then left alone.
std::size_t Utf8CharAt(std::string_view text, std::size_t i, char32_t& cp);

// Windows-1252 to UTF-8; the five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the Latin-1 code points of the same value.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace tamrel
