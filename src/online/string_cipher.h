// The reversible string cipher that keeps service addresses out of plain sight in the program,
// the settings file and the online configuration file. The enciphered form uses only letters,
// digits, "/" and "+", so it survives a line of a text file and a value of the configuration
// file unchanged.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// Enciphers the bytes of a text with a numeric key.
std::string Encipher(std::string_view plain, uint32_t key);

// The text that Encipher made with the same key; nullopt for a text that Encipher cannot have
// produced (a foreign character, an impossible length or stray trailing bits).
std::optional<std::string> Decipher(std::string_view enciphered, uint32_t key);

}  // namespace quorvex
