#include "ui/menu/club_menu.h"

#include <memory>

#include "ui/table/lan_game.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "records/rating.h"
#include "settings/settings.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/count_window.h"
#include "ui/dialogs/history_window.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/player_dialog.h"
#include "ui/dialogs/top_ten_window.h"
#include "ui/menu/club_keeper.h"
#include "ui/table/main_window.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

constexpr int kWidth = 380;
constexpr int kRow = 30;

}  // namespace

ClubMenu::ClubMenu(ClubKeeper& keeper, Settings& settings, QWidget* parent)
    : QWidget(parent), keeper_(keeper), settings_(settings) {
  header_ = new QLabel(this);
  for (int mode = 1; mode <= 6; ++mode) {
    // The members are rows of the list in the cards colours; a new member is asked for with a
    // green button.
    QPushButton* button = NewCardsButton(mode == 6 ? ColorSB::DGreen : ColorSB::DCards);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, [this, mode] { ChooseMember(mode); });
    members_[mode - 1] = button;
  }
  auto make = [this] {
    QPushButton* button = NewCardsButton(ColorSB::DNavy);
    button->setCursor(Qt::PointingHandCursor);
    return button;
  };
  top_ten_ = make();
  history_ = make();
  mode_ = make();
  connect(top_ten_, &QPushButton::clicked, this, &ClubMenu::ShowTopTen);
  connect(history_, &QPushButton::clicked, this, &ClubMenu::ShowHistory);
  connect(mode_, &QPushButton::clicked, this, &ClubMenu::ToggleMode);
  Rescale(1.0);
  Refresh();
}

TZefCardsButton* ClubMenu::NewCardsButton(ColorSB scheme) {
  auto* button = new TZefCardsButton(this);
  button->SetScheme(scheme);
  button->SetLightFont(true);
  return button;
}

void ClubMenu::Rescale(double scale) {
  const auto at = [scale](int design) { return static_cast<int>(design * scale + 0.5); };
  const QString font = QString::number(at(13));
  QFont button_font(QStringLiteral("DejaVu Sans"));
  button_font.setBold(true);
  button_font.setPixelSize(at(13));
  header_->setGeometry(0, 0, at(kWidth), at(24));
  header_->setStyleSheet(
      QStringLiteral("color: #fff3c8; background: rgba(40, 24, 0, 160); font: bold %1px "
                     "\"DejaVu Sans Mono\"; border-radius: 4px; padding-left: %2px;")
          .arg(font)
          .arg(at(9)));
  for (int mode = 1; mode <= 6; ++mode) {
    QPushButton* button = members_[mode - 1];
    button->setGeometry(0, at(28 + (mode - 1) * kRow), at(kWidth), at(kRow - 4));
    if (mode == 6) {
      button->setFont(button_font);
    } else {
      // The rows are of one length in a fixed-pitch font, so their columns line up under the
      // header.
      QFont row_font(QStringLiteral("DejaVu Sans Mono"));
      row_font.setBold(true);
      row_font.setPixelSize(at(13));
      button->setFont(row_font);
    }
  }
  const int bottom = 28 + 6 * kRow + 4;
  const int width = (kWidth - 16) / 3;
  QPushButton* const row[] = {top_ten_, history_, mode_};
  for (int index = 0; index < 3; ++index) {
    row[index]->setGeometry(at(index * (width + 8)), at(bottom), at(width), at(30));
    row[index]->setFont(button_font);
  }
  resize(at(kWidth), at(bottom + 30));
}

void ClubMenu::SetSessionStarting(std::function<void(const SessionPlayer&)> starting) {
  starting_ = std::move(starting);
}

void ClubMenu::AttachTo(MainWindow& window) {
  window.SetClubMenu(this, [this](double scale) { Rescale(scale); });
  connect(window.GeneralScoreAction(), &QAction::triggered, this, &ClubMenu::ShowGeneralScore);
  starting_ = [&window](const SessionPlayer& player) { window.SetPlayer(player); };
}

void ClubMenu::Refresh() {
  keeper_.SetNetwork(settings_.NetworkGame);
  const bool rating = settings_.ClubTableMode == 2;
  header_->setText(Qs(Text(Tx::ClubHeader, rating ? 2 : 1)));
  for (int slot = 1; slot <= 5; ++slot) {
    QPushButton* button = members_[slot - 1];
    const std::optional<ClubProfile> profile = keeper_.Club().Profile(slot);
    button->setEnabled(profile.has_value());
    if (!profile) {
      button->setText(QString());
      continue;
    }
    const QString name = Qs(Cp1251ToUtf8(TrimmedClubName(profile->name)));
    const QString value =
        rating ? Qs(RatingText(profile->rating, 8)) : QStringLiteral("%1").arg(profile->score, 8);
    button->setText(QStringLiteral(" %1 %2 %3").arg(name, -20).arg(profile->deals, 7).arg(value));
  }
  members_[5]->setText(Qs(Text(Tx::NewPlayer)));
  members_[5]->setEnabled(true);
  top_ten_->setText(Qs(Text(Tx::TopTen)));
  history_->setText(Qs(Text(Tx::History)));
  mode_->setText(Qs(Text(Tx::Mode)));
}

void ClubMenu::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Refresh();
  QWidget::changeEvent(event);
}

void ClubMenu::ChooseMember(int mode) {
  if (!controller_ || controller_->InSession()) return;
  const std::optional<ClubProfile> member = mode <= 5 ? keeper_.Club().Profile(mode) : std::nullopt;
  if (mode <= 5 && !member) return;
  // A network game asks for the role and the other machine too, and Ok waits for it.
  const bool network = settings_.NetworkGame && lan_;
  // Logged in to the account, a local game may be a rated match: then the account plays, not a
  // club member. Declined, the member chosen plays as ever.
  if (!network && rated_start_ && rated_start_()) {
    const SessionPlayer player = keeper_.BeginAccountSession();
    if (starting_) starting_(player);
    controller_->StartSession(TableRole::SinglePlayer, player, std::string());
    return;
  }
  const std::string last_name = Cp1251ToUtf8(settings_.PlayerName);
  std::unique_ptr<TFormPlayer> dialog =
      network ? std::make_unique<TFormPlayer>(
                    mode, member, last_name,
                    LanEntry{LanRole::Server, settings_.LanAddress, settings_.LanPort}, window())
              : std::make_unique<TFormPlayer>(mode, member, last_name, window());
  if (public_address_) dialog->SetPublicAddressSource(public_address_);
  if (network) {
    TFormPlayer* asking = dialog.get();
    dialog->SetConnect(
        [this, asking](const LanEntry& entry) { return lan_->Open(entry, asking->Name()); });
  }
  if (RunModal(*dialog) != QDialog::Accepted) return;
  const SessionPlayer player =
      keeper_.BeginSession(mode <= 5 ? mode : 0, dialog->Name(), dialog->Password());
  settings_.PlayerName = Utf8ToCp1251(dialog->Name()).value_or(settings_.PlayerName);
  if (starting_) starting_(player);
  if (network) {
    controller_->StartSession(lan_->Role(), player, lan_->PeerName());
    lan_->SessionStarted();
  } else {
    controller_->StartSession(TableRole::SinglePlayer, player, std::string());
  }
}

void ClubMenu::ShowTopTen() {
  keeper_.SetNetwork(settings_.NetworkGame);
  TFormTopTen dialog(keeper_.Club(), keeper_.Network(), settings_, window());
  RunModal(dialog);
}

void ClubMenu::ShowHistory() {
  TFHistory dialog(keeper_.ProgramDir(), settings_, window());
  if (open_review_) dialog.SetReviewOpener(open_review_);
  if (save_pbn_) dialog.SetPbnSaver(save_pbn_);
  RunModal(dialog);
}

void ClubMenu::ShowGeneralScore() {
  if (!keeper_.InSession()) return;
  TFormCount dialog(keeper_.GeneralScore(), keeper_.PlayerName(), settings_, keeper_.Account(),
                    window());
  RunModal(dialog);
}

void ClubMenu::ToggleMode() {
  settings_.ClubTableMode = settings_.ClubTableMode == 2 ? 1 : 2;
  Refresh();
}

}  // namespace quorvex
