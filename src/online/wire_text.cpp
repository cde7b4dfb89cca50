#include "online/wire_text.h"

#include "locale/cp1251.h"

namespace quorvex {

std::string WireText(std::string_view utf8) {
  return Utf8ToCp1251Lossy(utf8, '?');
}

std::string TextFromWire(std::string_view cp1251) {
  return Cp1251ToUtf8(cp1251);
}

}  // namespace quorvex
