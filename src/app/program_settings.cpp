#include "app/program_settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>

#include "locale/lang_text.h"
#include "locale/languages.h"
#include "settings/settings_file.h"

namespace quorvex {

ProgramSettings::ProgramSettings()
    : file_(SettingsFilePath(
          QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString())) {
  settings_ = ReadSettingsFile(file_).settings;
  // The Russian mark of the local club file is read with the club file; until then no file
  // carries it.
  const bool club_file_russian_mark = false;
  SetCurrentLanguage(StartLanguage(settings_.Language, club_file_russian_mark));
  settings_.Language = CurrentLanguage();
}

void ProgramSettings::Save(QWidget* parent) const {
  const SettingsSaveResult saved = WriteSettingsFile(file_, settings_);
  if (saved.ok) return;
  QMessageBox::critical(parent, QString::fromUtf8(Text(Tx::ProductTitle).c_str()),
                        QString::fromUtf8(saved.error.c_str()));
}

}  // namespace quorvex
