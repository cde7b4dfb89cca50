// Opens a modal window. Tests put a hook in place of the modal loop, so that a whole session runs
// without waiting for a player's click.
#pragma once

#include <functional>

class QDialog;

namespace quorvex {

using ModalHook = std::function<int(QDialog&)>;

// An empty hook restores the modal loop.
void SetModalHook(ModalHook hook);
// What sounds as a window opens; nothing when empty.
void SetOpeningSound(std::function<void()> sound);
// The dialog's result: what exec() returns, or what the hook does. Windows with a sound of
// their own open without the common one.
int RunModal(QDialog& dialog, bool opening_sound = true);

}  // namespace quorvex
