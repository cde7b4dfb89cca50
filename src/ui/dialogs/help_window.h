// The help of the game: the rules, the draw phase, the auction and scoring with an example, and
// the controls, in English and Russian; the other languages read the English one.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace quorvex {

class TFormHelp : public QDialog {
  Q_OBJECT

 public:
  explicit TFormHelp(int language, QWidget* parent = nullptr);

  // The help document for a language; empty when the program has none.
  static QString Document(int language);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

// Opens the help at its first topic.
void ShowHelp(QWidget* parent);

}  // namespace quorvex
