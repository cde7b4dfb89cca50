#include "online/string_cipher.h"

namespace quorvex {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Value of a character of the alphabet, or -1.
int SymbolValue(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// A key stream from the key; each byte is also chained to the previous enciphered byte, so that
// addresses sharing a beginning do not share an enciphered beginning after the first change.
class KeyStream {
 public:
  explicit KeyStream(uint32_t key) : state_(key ^ 0x9E3779B9u) {
    if (state_ == 0) state_ = 0x2545F491u;
  }
  uint8_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<uint8_t>(state_ >> 11);
  }

 private:
  uint32_t state_;
};

}  // namespace

std::string Encipher(std::string_view plain, uint32_t key) {
  std::string bytes(plain.size(), '\0');
  KeyStream stream(key);
  uint8_t previous = static_cast<uint8_t>(key);
  for (size_t i = 0; i < plain.size(); ++i) {
    const uint8_t c = static_cast<uint8_t>(plain[i]) ^ stream.Next() ^ previous;
    bytes[i] = static_cast<char>(c);
    previous = c;
  }
  // Six bits a symbol, no padding.
  std::string out;
  out.reserve((bytes.size() * 4 + 2) / 3);
  uint32_t acc = 0;
  int bits = 0;
  for (char b : bytes) {
    acc = (acc << 8) | static_cast<uint8_t>(b);
    bits += 8;
    while (bits >= 6) {
      bits -= 6;
      out.push_back(kAlphabet[(acc >> bits) & 63]);
    }
  }
  if (bits > 0) out.push_back(kAlphabet[(acc << (6 - bits)) & 63]);
  return out;
}

std::optional<std::string> Decipher(std::string_view enciphered, uint32_t key) {
  if (enciphered.size() % 4 == 1) return std::nullopt;
  std::string bytes;
  bytes.reserve(enciphered.size() * 3 / 4);
  uint32_t acc = 0;
  int bits = 0;
  for (char c : enciphered) {
    const int v = SymbolValue(c);
    if (v < 0) return std::nullopt;
    acc = ((acc << 6) | static_cast<uint32_t>(v)) & 0xFFFFu;
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes.push_back(static_cast<char>((acc >> bits) & 0xFF));
    }
  }
  // Encipher leaves the unused low bits of the last symbol clear; anything else is not its work.
  if ((acc & ((1u << bits) - 1)) != 0) return std::nullopt;

  KeyStream stream(key);
  uint8_t previous = static_cast<uint8_t>(key);
  for (char& b : bytes) {
    const uint8_t c = static_cast<uint8_t>(b);
    b = static_cast<char>(c ^ stream.Next() ^ previous);
    previous = c;
  }
  return bytes;
}

}  // namespace quorvex
