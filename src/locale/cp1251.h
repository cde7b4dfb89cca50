// Conversion between the UTF-8 texts of the program and the Windows-1251 bytes of its files and
// messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// The Windows-1251 bytes of a UTF-8 text; nullopt when the text is not valid UTF-8 or holds a
// character the code page lacks.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

// The UTF-8 form of Windows-1251 bytes. The one byte the code page leaves undefined (0x98)
// becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view cp1251);
// The Windows-1251 bytes of a UTF-8 text, with `missing` for each character the code page lacks
// and for each byte that is not UTF-8.
std::string Utf8ToCp1251Lossy(std::string_view utf8, char missing);

}  // namespace quorvex
