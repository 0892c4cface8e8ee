#pragma once
// Text encodings of project files: UTF-8 now; files of earlier versions hold
// 8-bit text in the Windows code page (Windows-1252, a superset of Latin-1).

#include <string>
#include <string_view>

namespace tamrel {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Windows-1252 to UTF-8; the five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the Latin-1 code points of the same value.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace tamrel
