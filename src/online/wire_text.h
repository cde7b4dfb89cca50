// Texts of the account and records services on the wire: Windows-1251 bytes, while the program
// holds UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// The Windows-1251 bytes of a UTF-8 text. A character the code page lacks, or a byte that is not
// UTF-8, becomes "?", so that a profile text in any script still travels instead of failing the
// whole request.
std::string WireText(std::string_view utf8);

// The UTF-8 text of Windows-1251 bytes from a reply.
std::string TextFromWire(std::string_view cp1251);

}  // namespace quorvex
