#include "ui/table/program_settings.h"

#include <QMessageBox>

#include "locale/lang_text.h"
#include "locale/languages.h"
#include "settings/settings_file.h"
#include "ui/dialogs/modal_run.h"

namespace quorvex {

ProgramSettings::ProgramSettings(const std::filesystem::path& program_dir)
    : file_(SettingsFilePath(program_dir)) {
  settings_ = ReadSettingsFile(file_).settings;
  // The Russian mark of the local club file is read with the club file; until then no file
  // carries it.
  const bool club_file_russian_mark = false;
  SetCurrentLanguage(StartLanguage(settings_.Language, club_file_russian_mark));
  settings_.Language = CurrentLanguage();
}

bool ProgramSettings::Save(QWidget* parent) const {
  const SettingsSaveResult saved = WriteSettingsFile(file_, settings_);
  if (saved.ok) return true;
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(Text(Tx::ProductTitle).c_str()),
                  QString::fromUtf8(saved.error.c_str()), QMessageBox::Ok, parent);
  RunModal(box);
  return false;
}

}  // namespace quorvex
