#include "ui/dialogs/notice_window.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "art/text_layout.h"
#include "locale/lang_text.h"
#include "ui/art/button_style.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/dialog_design.h"

namespace quorvex {

namespace {

constexpr int kTop = 14;
constexpr int kLineGap = 4;
constexpr int kButtonHeight = 32;

NoticeHook& Hook() {
  static NoticeHook hook;
  return hook;
}

TFormNotice::LinkOpener& Opener() {
  static TFormNotice::LinkOpener opener = [](const QString& link) {
    QDesktopServices::openUrl(QUrl::fromUserInput(link));
  };
  return opener;
}

QString Qs(Tx text) {
  return QString::fromStdString(Text(text));
}

}  // namespace

TFormNotice::TFormNotice(const QString& line1, const QString& line2, const QString& link,
                         QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(Qs(Tx::Attention));
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setBold(true);
  font.setPixelSize(20);
  const QString texts[3] = {line1, line2, link};

  int widest = 0;
  int y = kTop;
  for (size_t i = 0; i < lines_.size(); ++i) {
    QLabel* label = new QLabel(texts[i], this);
    QFont line_font = font;
    line_font.setUnderline(i == 2);
    label->setTextFormat(Qt::PlainText);
    label->setFont(line_font);
    lines_[i] = label;
    if (texts[i].isEmpty()) {
      label->hide();
      continue;
    }
    const QFontMetrics metrics(line_font);
    const int width = metrics.horizontalAdvance(texts[i]);
    label->setGeometry(kLineLeft, y, width + 2, metrics.height());
    widest = std::max(widest, width);
    y += metrics.height() + kLineGap;
  }
  if (!link.isEmpty()) {
    lines_[2]->setCursor(Qt::PointingHandCursor);
    lines_[2]->setStyleSheet(QStringLiteral("color: navy;"));
    lines_[2]->installEventFilter(this);
  }

  const int width = NoticeClientWidth(widest + kLineLeft);
  ok_ = NewDialogButton(Qs(Tx::Ok), this);
  ok_->setGeometry(5, y + 10, width - 10, kButtonHeight);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  ApplyButtonStyle(this);
  setFixedSize(width, y + 10 + kButtonHeight + 8);
}

void TFormNotice::SetLinkOpener(LinkOpener opener) {
  Opener() = std::move(opener);
}

bool TFormNotice::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lines_[2] && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Opener()(lines_[2]->text());
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void ShowNotice(const QString& line1, const QString& line2, const QString& link, QWidget* parent) {
  if (Hook()) {
    Hook()(line1, line2, link);
    return;
  }
  TFormNotice notice(line1, line2, link, parent);
  notice.exec();
}

void SetNoticeHook(NoticeHook hook) {
  Hook() = std::move(hook);
}

}  // namespace quorvex
