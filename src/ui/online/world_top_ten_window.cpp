#include "ui/online/world_top_ten_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "art/library_rules.h"
#include "locale/countries.h"
#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "online/account_rating_text.h"
#include "online/tournament_service.h"
#include "online/world_records.h"
#include "records/club_file.h"
#include "ui/art/resource_library.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/notice_window.h"
#include "ui/online/list_choice_button.h"
#include "ui/online/tour_kind_panel.h"
#include "ui/online/tournament_board.h"
#include "ui/online/wait_cursor.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

constexpr int kLists[3] = {kWindowsList, kAndroidList, kAccountScoreList};
constexpr const char* kListIcons[3] = {"Windows", "Android", "Account48"};

// The purple design's categories: 2..4 are the three lists, 5 the tournament.
constexpr int kTournamentCategory = 5;
int ListOfCategory(int category) {
  return category >= 2 && category <= 4 ? kLists[category == 2 ? 2 : category - 3] : 0;
}

QImage Picture(const char* name, const QString& library = QString()) {
  QImage image;
  LoadLibraryPicture(QString::fromLatin1(name), library, image);
  return image;
}

BoardRow RecordRow(const TZefRecord& entry, int list) {
  BoardRow row;
  row.place = QString::number(entry.Place) + QLatin1Char('.');
  if (list == kWindowsList) row.flag = entry.Country;
  row.face = entry.R07 == "M" ? "M" : "W";
  row.nick = Qs(entry.Nick);
  row.city = list == kWindowsList ? Qs(entry.City) : Qs(entry.City + ", " + entry.Country);
  row.score = QString::number(entry.Score);
  return row;
}

}  // namespace

TFormWorldTopTen::TFormWorldTopTen(WorldListsContext& context, QWidget* parent, bool on_tournament)
    : DesignedDialog(context.settings, parent), context_(context) {
  setWindowTitle(Qs(Text(Tx::WorldTopTen)));
  board_ = new TopTenBoard(Purple(), this);
  auto* choices = Purple() ? static_cast<QBoxLayout*>(new QVBoxLayout)
                           : static_cast<QBoxLayout*>(new QHBoxLayout);
  choices->setSpacing(Purple() ? 0 : 18);
  if (!Purple()) choices->addStretch();
  for (int i = 0; i < Choices(); ++i) {
    ListChoiceButton* button = nullptr;
    if (Purple()) {
      const std::string name = "GWTop" + std::to_string(i + 1);
      button = new ListChoiceButton(Picture(name.c_str(), QString::fromLatin1(kGraphicsLibrary)),
                                    QSize(52, 52), ListChoiceButton::Mark::Animation, this);
      button->setToolTip(Qs(Text(Tx::TopTenCategories, i)));
      choices->addWidget(button);
    } else {
      button = new ListChoiceButton(Picture(kListIcons[i]), QSize(48, 48),
                                    ListChoiceButton::Mark::Frame, this);
      button->setToolTip(Qs(Text(Tx::WorldListIcons, i)));
      auto* column = new QVBoxLayout;
      column->setSpacing(0);
      column->addWidget(button, 0, Qt::AlignHCenter);
      auto* caption = new QLabel(Qs(Text(Tx::WorldListIcons, i)), this);
      caption->setAlignment(Qt::AlignHCenter);
      column->addWidget(caption);
      choices->addLayout(column);
    }
    choices_[size_t(i)] = button;
    connect(button, &ListChoiceButton::clicked, this, [this, i] { Choose(i); });
  }
  choices->addStretch();

  refresh_ = NewDialogButton(Qs(Text(Tx::Refresh)), this);
  refresh_->setFixedSize(130, 30);
  refresh_->hide();
  connect(refresh_, &QPushButton::clicked, this, &TFormWorldTopTen::ReadAndDraw);
  auto* close = NewDialogButton(Qs(Text(Tx::Close)), this);
  close->setFixedSize(110, 30);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  refresh_timer_ = new QTimer(this);
  refresh_timer_->setSingleShot(true);
  refresh_timer_->setInterval(kRefreshDelayMs);
  connect(refresh_timer_, &QTimer::timeout, refresh_, &QWidget::show);

  kinds_ = new TourKindPanel(context_.tournament_kind, TextColour(), this);
  kinds_->hide();
  connect(kinds_, &TourKindPanel::KindChosen, this, [this](TourKind kind) {
    context_.tournament_kind = kind;
    ReadAndDraw();
  });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(refresh_);
  buttons->addStretch();
  buttons->addWidget(kinds_);
  buttons->addStretch();
  buttons->addWidget(close);
  // The refresh button keeps its place while hidden, so the window does not jump.
  QSizePolicy keep = refresh_->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  refresh_->setSizePolicy(keep);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(14, HeaderHeight() + 8, 14, 12);
  layout->setHorizontalSpacing(10);
  if (Purple()) {
    layout->addLayout(choices, 0, 0);
    layout->addWidget(board_, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
  } else {
    layout->addLayout(choices, 0, 0);
    layout->addWidget(board_, 1, 0);
    layout->addLayout(buttons, 2, 0);
  }
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FinishDesign();

  if (Purple()) {
    if (on_tournament) {
      context_.category = kTournamentCategory;
    } else if (context_.category < 2 || context_.category > 4) {
      context_.category = 3;
    }
    Choose(context_.category - 1);
  } else {
    int index = 0;
    for (int i = 0; i < 3; ++i)
      if (kLists[i] == context_.list) index = i;
    Choose(index);
  }
}

ListChoiceButton* TFormWorldTopTen::ChoiceButton(int index) const {
  return index >= 0 && index < Choices() ? choices_[size_t(index)] : nullptr;
}

void TFormWorldTopTen::Choose(int index) {
  ListChoiceButton* chosen = ChoiceButton(index);
  if (!chosen || !chosen->isEnabled()) return;
  if (Purple()) {
    context_.category = index + 1;
  } else {
    context_.list = kLists[index];
  }
  for (int i = 0; i < Choices(); ++i) choices_[size_t(i)]->SetChosen(i == index);
  ReadAndDraw();
}

void TFormWorldTopTen::ReadAndDraw() {
  refresh_->hide();
  BoardContent content;
  {
    WaitCursor wait;
    if (!Purple()) {
      content = ReadList(context_.list);
    } else if (context_.category == 1) {
      content = ReadAccountRating();
    } else if (context_.category == kTournamentCategory) {
      content = ReadTournament();
    } else if (context_.category == 6 || context_.category == 7) {
      content = ReadClubList(context_.category == 7);
    } else {
      content = ReadList(ListOfCategory(context_.category));
    }
  }
  if (Purple()) content.title = Qs(Text(Tx::TopTenCategories, context_.category - 1));
  kinds_->setVisible(Purple() && context_.category == kTournamentCategory);
  board_->SetContent(std::move(content));
  refresh_timer_->start();
}

BoardContent TFormWorldTopTen::ReadList(int list) {
  BoardContent content;
  WorldRecords records(context_.http, context_.settings.TopTenAddress.plain);
  const RecordList top = records.ReadTopTen(list);
  if (top.ok) {
    for (const TZefRecord& entry : top.entries)
      if (!entry.Empty()) content.rows.push_back(RecordRow(entry, list));
  } else {
    content.note = Qs(Text(Tx::NoConnect));
  }
  if (const std::optional<int64_t> count = records.ReadCount(list))
    content.count = Qs(Text(Tx::NumberOfGames)) + QStringLiteral(": ") + QString::number(*count);

  // The player's own entries: under the passport on the edition lists, under the account on
  // its list. Without an account there is nobody to look for.
  const bool account = list == kAccountScoreList;
  const std::string nick =
      account ? context_.session.user.Nick : Cp1251ToUtf8(context_.settings.TopTenNick);
  const std::string city =
      account ? context_.session.user.City : Cp1251ToUtf8(context_.settings.TopTenCity);
  content.own_section = !nick.empty();
  if (!content.own_section) return content;
  const RecordList own = records.ReadOwnEntries(list, nick, city);
  if (!own.ok) {
    content.own_note = Qs(Text(Tx::NoConnect));
    return content;
  }
  for (const TZefRecord& entry : own.entries) {
    if (entry.Empty() || content.own.size() == size_t(TopTenBoard::kOwnRows)) continue;
    BoardRow row;
    row.place = QString::number(entry.Place) + QLatin1Char('.');
    row.nick = Qs(nick);
    row.score = QString::number(entry.Score);
    content.own.push_back(row);
  }
  return content;
}

BoardContent TFormWorldTopTen::ReadTournament() {
  std::optional<TourStanding> own = context_.tournament_own;
  // Opened from the main menu the lobby has not read the standing yet: the account's, if any.
  if (!own && context_.session.state != AccountState::NotLoggedIn &&
      !context_.session.user.Nick.empty())
    own = TournamentService(context_.http, context_.tournament)
              .ReadStanding(context_.session.user.Nick);
  return ReadTournamentBoard(context_.http, context_.tournament, context_.tournament_kind, own);
}

BoardContent TFormWorldTopTen::ReadAccountRating() {
  BoardContent content;
  const TopTenReply top = context_.account.ReadTopTen();
  if (!top.ok) {
    content.note = Qs(Text(Tx::NoConnect));
    return content;
  }
  for (size_t i = 0; i < top.entries.size(); ++i) {
    const TZefTop10& entry = top.entries[i];
    if (entry.Nick.empty()) continue;
    BoardRow row;
    row.place = QString::number(i + 1) + QLatin1Char('.');
    if (const std::optional<CountryCode> code = CountryOfName(entry.Country))
      row.flag = CountryCodeText(*code);
    row.face = entry.Sex == 'W' ? "W" : "M";
    row.nick = Qs(entry.Nick);
    row.city = Qs(entry.City);
    row.score = Qs(AccountRatingText(entry.Rating));
    content.rows.push_back(row);
  }
  return content;
}

BoardContent TFormWorldTopTen::ReadClubList(bool network) {
  BoardContent content;
  const ClubFileRead read = ReadClubFile(ClubFilePath(context_.program_dir, network));
  // A damaged file shows its free places rather than what it holds.
  for (int place = 1; place <= kTopTenPlaces; ++place) {
    BoardRow row;
    row.place = QString::number(place) + QLatin1Char('.');
    const TopTenEntry entry = read.ok() ? read.club.TopTen(place) : TopTenEntry{};
    if (!entry.Empty()) {
      row.nick = Qs(Cp1251ToUtf8(entry.name)).trimmed();
      row.score = QString::number(*entry.score);
    }
    content.rows.push_back(row);
  }
  return content;
}

void ShowWorldTopTen(WorldListsContext& context, QWidget* parent, bool on_tournament) {
  if (!context.switches.world_top_ten) {
    ShowNotice(Qs(Text(Tx::WorldTopTenUnavailable)), QString(), QString(), parent);
    return;
  }
  TFormWorldTopTen window(context, parent, on_tournament);
  RunModal(window);
}

}  // namespace quorvex
