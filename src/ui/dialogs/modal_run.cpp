#include "ui/dialogs/modal_run.h"

#include <QDialog>

namespace quorvex {
namespace {
ModalHook& Hook() {
  static ModalHook hook;
  return hook;
}
}  // namespace

void SetModalHook(ModalHook hook) {
  Hook() = std::move(hook);
}

int RunModal(QDialog& dialog) {
  if (Hook()) return Hook()(dialog);
  return dialog.exec();
}

}  // namespace quorvex
