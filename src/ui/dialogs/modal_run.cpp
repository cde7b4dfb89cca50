#include "ui/dialogs/modal_run.h"

#include <QDialog>

namespace quorvex {
namespace {
ModalHook& Hook() {
  static ModalHook hook;
  return hook;
}
std::function<void()>& OpeningSound() {
  static std::function<void()> sound;
  return sound;
}
}  // namespace

void SetModalHook(ModalHook hook) {
  Hook() = std::move(hook);
}

void SetOpeningSound(std::function<void()> sound) {
  OpeningSound() = std::move(sound);
}

int RunModal(QDialog& dialog, bool opening_sound) {
  if (opening_sound && OpeningSound()) OpeningSound()();
  if (Hook()) return Hook()(dialog);
  return dialog.exec();
}

}  // namespace quorvex
