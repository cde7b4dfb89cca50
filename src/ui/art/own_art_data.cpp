#include "ui/art/own_art_data.h"

#include <QResource>
#include <QString>

// The bundle made by tools/artgen, included byte for byte by the assembler.
__asm__(
    ".section .rodata\n"
    ".balign 16\n"
    "quorvex_own_art_begin:\n"
    ".incbin \"" QUORVEX_OWN_ART
    "\"\n"
    "quorvex_own_art_end:\n"
    ".previous\n");

extern "C" {
extern const unsigned char quorvex_own_art_begin[] __asm__("quorvex_own_art_begin");
}

namespace quorvex {

bool RegisterOwnArt() {
  static const bool registered =
      QResource::registerResource(quorvex_own_art_begin, QString::fromLatin1(kOwnArtRoot));
  return registered;
}

}  // namespace quorvex
