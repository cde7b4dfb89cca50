#include "ui/online/stats_window.h"

#include <QApplication>
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

// The wait cursor for as long as a request runs; the window does not answer meanwhile.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

TFormStats::TFormStats(HttpClient& http, Settings& settings, std::function<void()> save_settings,
                       QWidget* parent)
    : QDialog(parent),
      own_stats_(std::make_unique<WorldStats>(http, settings.StatsAddress.plain)),
      stats_(*own_stats_),
      settings_(settings),
      save_settings_(std::move(save_settings)) {
  Build();
}

TFormStats::TFormStats(WorldStats& stats, Settings& settings, std::function<void()> save_settings,
                       QWidget* parent)
    : QDialog(parent),
      stats_(stats),
      settings_(settings),
      save_settings_(std::move(save_settings)) {
  Build();
}

void TFormStats::Build() {
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
  {
    WaitCursor wait;
    Show(stats_.ReadTotals());
  }
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

std::optional<std::string> TFormStats::LikeNick() {
  // "Incognito" is asked to choose a nick first; so is a nick the passport would not accept (a
  // damaged settings file), which must not travel in the raw body of the like.
  const QString stored = Qs(Cp1251ToUtf8(settings_.TopTenNick));
  if (settings_.TopTenNick != "Incognito" &&
      CheckPassportText(stored.toStdString(), PassportTextKind::Nick) >= kPassportCyrillic)
    return settings_.TopTenNick;
  QString nick = stored;
  for (;;) {
    QInputDialog ask(this);
    ask.setWindowTitle(Qs(Text(Tx::Nick)));
    ask.setLabelText(Qs(Text(Tx::Nick)));
    ask.setTextValue(nick);
    if (RunModal(ask) != QDialog::Accepted) return std::nullopt;
    nick = ask.textValue().trimmed();
    if (CheckPassportText(nick.toStdString(), PassportTextKind::Nick) >= kPassportCyrillic) break;
  }
  // The check admits only characters Windows-1251 has.
  return Utf8ToCp1251(nick.toStdString());
}

void TFormStats::Like() {
  const std::optional<std::string> nick = LikeNick();
  if (!nick) return;
  settings_.TopTenNick = *nick;
  bool accepted = false;
  {
    WaitCursor wait;
    accepted = stats_.SendLike(settings_.TopTenNick);
  }
  if (!accepted) return;
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
