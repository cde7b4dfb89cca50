#include "ui/online/stats_window.h"

#include <QInputDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "locale/passport_text.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/dialog_design.h"
#include "ui/dialogs/modal_run.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

constexpr int kWidth = 420;
constexpr int kLineHeight = 24;

}  // namespace

TFormStats::TFormStats(WorldStats& stats, Settings& settings, std::function<void()> save_settings,
                       QWidget* parent)
    : QDialog(parent),
      stats_(stats),
      settings_(settings),
      save_settings_(std::move(save_settings)) {
  setWindowTitle(Qs(Text(Tx::Statistics)));

  int y = DialogHeaderHeight(settings_) + 12;
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(15);
  for (QLabel*& line : lines_) {
    line = new QLabel(this);
    line->setFont(font);
    line->setGeometry(24, y, kWidth - 48, kLineHeight);
    y += kLineHeight;
  }
  note_ = new QLabel(Qs(Text(Tx::StatsSince)), this);
  note_->setGeometry(24, y + 6, kWidth - 48, 20);
  note_->setStyleSheet(QStringLiteral("color: #606060; font-style: italic;"));
  y += 36;
  like_ = NewDialogButton(Qs(Text(Tx::ILikeThisGame)), this);
  like_->setGeometry(24, y, 220, 30);
  like_->setEnabled(!settings_.StatsVoteSent);
  connect(like_, &QPushButton::clicked, this, &TFormStats::Like);
  QPushButton* ok = NewDialogButton(Qs(Text(Tx::Ok)), this);
  ok->setGeometry(kWidth - 24 - 100, y, 100, 30);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  setFixedSize(kWidth, y + 46);
  Show(stats_.ReadTotals());
  ApplyDialogDesign(*this, settings_);
}

void TFormStats::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  PaintDialogHeader(painter, width(), height(), Qs(Text(Tx::WorldStats)), settings_);
}

QString TFormStats::Line(int index) const {
  return lines_[index]->text();
}

void TFormStats::Show(const std::optional<TZefStat>& totals) {
  totals_ = totals;
  QString values[10];
  if (totals) {
    values[0] = QString::number(totals->Stat1);
    values[1] = QString::number(totals->Stat2);
    values[2] = QString::number(totals->Stat3);
    values[3] = Qs(Cp1251ToUtf8(totals->Stat4));
    for (int i = 0; i < 6; ++i) values[4 + i] = QString::number(totals->StatX[size_t(i)]);
  } else {
    values[0] = Qs(Text(Tx::NoConnect));
  }
  for (int i = 0; i < 10; ++i)
    lines_[i]->setText(Qs(Text(Tx::StatsLines, i)) + QStringLiteral(": ") + values[i]);
}

void TFormStats::Like() {
  // A like needs a nick: "Incognito" is asked to choose one first.
  if (settings_.TopTenNick == "Incognito") {
    QString nick = Qs(Cp1251ToUtf8(settings_.TopTenNick));
    for (;;) {
      QInputDialog ask(this);
      ask.setWindowTitle(Qs(Text(Tx::Nick)));
      ask.setLabelText(Qs(Text(Tx::Nick)));
      ask.setTextValue(nick);
      if (RunModal(ask) != QDialog::Accepted) return;
      nick = ask.textValue().trimmed();
      if (CheckPassportText(nick.toStdString(), PassportTextKind::Nick) >= kPassportCyrillic) break;
    }
    settings_.TopTenNick = Utf8ToCp1251(nick.toStdString()).value_or(settings_.TopTenNick);
  }
  if (!stats_.SendLike(settings_.TopTenNick)) return;
  like_->setEnabled(false);
  settings_.StatsVoteSent = true;
  if (totals_) {
    ++totals_->Stat3;
    totals_->Stat4 = settings_.TopTenNick;
    Show(totals_);
  }
  if (save_settings_) save_settings_();
}

}  // namespace quorvex
