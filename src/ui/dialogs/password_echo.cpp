#include "ui/dialogs/password_echo.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>

namespace quorvex {
namespace {

// The style of the box answers the password character; everything else is the program's own.
class HashEchoStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returned = nullptr) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return kPasswordEcho;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

}  // namespace

void UseHashEcho(QLineEdit& box) {
  // One style for every box, freed with the application.
  static QPointer<HashEchoStyle> style;
  if (!style) {
    style = new HashEchoStyle;
    style->setParent(qApp);
  }
  box.setStyle(style);
  box.setEchoMode(QLineEdit::Password);
}

}  // namespace quorvex
