#include "ui/dialogs/help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "locale/lang_text.h"
#include "locale/languages.h"
#include "ui/dialogs/modal_run.h"

namespace quorvex {

QString TFormHelp::Document(int language) {
  const QString name =
      language == 1 ? QStringLiteral(":/help/help_ru.html") : QStringLiteral(":/help/help_en.html");
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

TFormHelp::TFormHelp(int language, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(Text(Tx::Help)));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(false);
  browser_->setHtml(Document(language));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  resize(620, 560);
}

void ShowHelp(QWidget* parent) {
  TFormHelp help(CurrentLanguage(), parent);
  RunModal(help);
}

}  // namespace quorvex
