// Opens a modal window. Tests put a hook in place of the modal loop, so that a whole session runs
// without waiting for a player's click.
#pragma once

#include <functional>

class QDialog;

namespace quorvex {

using ModalHook = std::function<int(QDialog&)>;

// An empty hook restores the modal loop.
void SetModalHook(ModalHook hook);
// The dialog's result: what exec() returns, or what the hook does.
int RunModal(QDialog& dialog);

}  // namespace quorvex
