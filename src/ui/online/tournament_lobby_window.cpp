#include "ui/online/tournament_lobby_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "locale/lang_text.h"
#include "ui/art/resource_library.h"
#include "ui/art/zef_cards_button.h"
#include "ui/online/tournament_top_ten_window.h"
#include "ui/online/wait_cursor.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

constexpr int kSeatWidth = 128;
constexpr int kResultRows = 6;
// The welcome line's pixel sizes for its three lengths.
constexpr int kWelcomeSizes[3] = {18, 15, 12};

// A table on green baize; the seat buttons are cream cards whose taken seats show the holder in
// dark red.
const char* const kTableStyle =
    "QFrame#table { border: 1px solid #2c4a22; border-radius: 7px;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3f7d34, stop:1 #22561d); }"
    "QLabel#tableName { color: #fff4c0; font-weight: bold; }"
    "QPushButton { background: #f6f0dc; color: #102a6a; border: 1px solid #7a6a3c;"
    " border-radius: 4px; padding: 2px 4px; }"
    "QPushButton:hover { background: #fff7cc; border-color: #c09020; }"
    "QPushButton:pressed { background: #e8dcb0; }"
    "QPushButton:disabled { background: #d6d1c2; color: #6a6a6a; }"
    "QPushButton[holder=\"true\"]:disabled { background: #efe4c8; color: #8a1818;"
    " font-weight: bold; }";

}  // namespace

TFTour::TFTour(TournamentLobby& lobby, TournamentContext& context, QWidget* parent)
    : DesignedDialog(context.account.settings, parent), lobby_(lobby), context_(context) {
  setWindowTitle(Qs(Text(Tx::WorldOnlineTournament)));
  const bool purple = Design() == DialogDesign::Purple;

  welcome_ = new QLabel(this);
  welcome_->setAlignment(Qt::AlignCenter);
  welcome_->setWordWrap(true);
  QPalette welcome_palette = welcome_->palette();
  welcome_palette.setColor(QPalette::WindowText,
                           purple ? QColor(0xff, 0xe0, 0x60) : QColor(0x10, 0x30, 0x80));
  welcome_->setPalette(welcome_palette);
  lamp_ = new QLabel(this);
  lamp_->setFixedSize(48, 48);
  auto* top = new QHBoxLayout;
  top->addSpacing(48);
  top->addWidget(welcome_, 1);
  top->addWidget(lamp_);

  auto* grid = new QGridLayout;
  grid->setSpacing(8);
  for (int t = 1; t <= kTourTables; ++t) {
    auto* table = new QFrame(this);
    table->setObjectName(QStringLiteral("table"));
    table->setStyleSheet(QString::fromLatin1(kTableStyle));
    auto* name = new QLabel(table);
    name->setObjectName(QStringLiteral("tableName"));
    name->setAlignment(Qt::AlignCenter);
    tables_[size_t(t - 1)] = name;
    auto* seats = new QHBoxLayout;
    seats->setSpacing(6);
    for (int s = 1; s <= 2; ++s) {
      auto* seat = new QPushButton(table);
      seat->setFixedSize(kSeatWidth, 26);
      seat->setFocusPolicy(Qt::NoFocus);
      // No table of this game has options; the balloon says so.
      seat->setToolTip(
          QStringLiteral("<b>%1</b><br>%2")
              .arg(Qs(Text(Tx::Rules)).toHtmlEscaped(), Qs(Text(Tx::NoOptions)).toHtmlEscaped()));
      connect(seat, &QPushButton::clicked, this,
              [this, t, s] { Run([this, t, s] { lobby_.ClickSeat(t, s); }); });
      seats_[size_t(2 * (t - 1) + s - 1)] = seat;
      seats->addWidget(seat);
    }
    auto* column = new QVBoxLayout(table);
    column->setContentsMargins(8, 4, 8, 8);
    column->setSpacing(4);
    column->addWidget(name);
    column->addLayout(seats);
    // Tables 1..5 down the left, 6..10 down the right.
    grid->addWidget(table, (t - 1) % 5, (t - 1) / 5);
  }

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("results"));
  panel->setStyleSheet(
      purple ? QStringLiteral("QFrame#results { background: rgba(30, 0, 60, 120);"
                              " border: 1px solid rgba(255, 220, 120, 160); border-radius: 8px; }"
                              "QLabel { color: white; }")
             : QStringLiteral("QFrame#results { background: #f6f1e2; border: 1px solid #b0a080;"
                              " border-radius: 8px; } QLabel { color: #000080; }"));
  panel->setFixedWidth(200);
  auto* results = new QGridLayout(panel);
  results->setContentsMargins(10, 8, 10, 10);
  results->setVerticalSpacing(6);
  auto* caption = new QLabel(Qs(Text(Tx::MyResults)), panel);
  QFont caption_font = caption->font();
  caption_font.setBold(true);
  caption_font.setPixelSize(16);
  caption->setFont(caption_font);
  caption->setAlignment(Qt::AlignCenter);
  results->addWidget(caption, 0, 0, 1, 2);
  for (int row = 0; row < kResultRows; ++row) {
    auto* name = new QLabel(Qs(Text(Tx::TournamentResults, row)) + QLatin1Char(':'), panel);
    auto* value = new QLabel(panel);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    results->addWidget(name, row + 1, 0);
    results->addWidget(value, row + 1, 1);
    results_[size_t(row)] = value;
  }
  results->setRowStretch(kResultRows + 1, 1);

  auto* middle = new QHBoxLayout;
  middle->setSpacing(12);
  middle->addLayout(grid);
  middle->addWidget(panel);

  refresh_ = NewDialogButton(Qs(Text(Tx::Refresh)), this);
  top_ten_ = NewDialogButton(Qs(Text(Tx::Top10)), this);
  close_ = NewDialogButton(Qs(Text(Tx::Close)), this);
  for (QPushButton* button : {refresh_, top_ten_, close_}) button->setFixedSize(120, 30);
  connect(refresh_, &QPushButton::clicked, this, [this] { Run([this] { lobby_.Tick(); }); });
  connect(top_ten_, &QPushButton::clicked, this, &TFTour::ShowTopTen);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(refresh_);
  buttons->addWidget(top_ten_);
  buttons->addStretch();
  buttons->addWidget(close_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, HeaderHeight() + 6, 14, 12);
  layout->setSpacing(10);
  layout->addLayout(top);
  layout->addLayout(middle);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FinishDesign();

  refresh_timer_ = new QTimer(this);
  refresh_timer_->setInterval(kRefreshMs);
  connect(refresh_timer_, &QTimer::timeout, this, [this] { Run([this] { lobby_.Tick(); }); });
  error_timer_ = new QTimer(this);
  error_timer_->setInterval(kErrorTickMs);
  connect(error_timer_, &QTimer::timeout, this, [this] {
    // Quiet ticks draw nothing: only an error changes the lobby.
    if (lobby_.RelayError()) Run([this] { lobby_.ErrorTick(); });
  });
  connect(this, &QDialog::finished, this, [this] {
    refresh_timer_->stop();
    error_timer_->stop();
  });
  refresh_timer_->start();
  error_timer_->start();
  Draw();
}

QPushButton* TFTour::SeatButton(int table, int seat) const {
  return seats_[size_t(2 * (table - 1) + seat - 1)];
}

template <typename Step>
void TFTour::Run(Step step) {
  {
    WaitCursor wait;
    step();
  }
  Draw();
}

void TFTour::Draw() {
  for (int t = 1; t <= kTourTables; ++t) {
    tables_[size_t(t - 1)]->setText(Qs(Text(Tx::TableWord)) + QStringLiteral(" № ") +
                                    QString::number(t));
    for (int s = 1; s <= 2; ++s) {
      const quorvex::SeatButton state = lobby_.Seat(t, s);
      QPushButton* seat = SeatButton(t, s);
      seat->setText(
          seat->fontMetrics().elidedText(Qs(state.Text()), Qt::ElideRight, kSeatWidth - 10));
      seat->setEnabled(state.enabled);
      const bool holder = state.caption == SeatCaption::Holder;
      if (seat->property("holder").toBool() != holder) {
        seat->setProperty("holder", holder);
        seat->style()->unpolish(seat);
        seat->style()->polish(seat);
      }
    }
  }
  welcome_->setText(Qs(lobby_.Welcome()));
  QFont font = welcome_->font();
  font.setPixelSize(kWelcomeSizes[lobby_.WelcomeStep()]);
  font.setBold(true);
  welcome_->setFont(font);

  QImage lamp;
  LoadLibraryPicture(QString::fromLatin1(lobby_.ServerOn() ? "GTourOn" : "GTourOff"), QString(),
                     lamp);
  lamp_->setPixmap(QPixmap::fromImage(lamp));
  lamp_->setToolTip(Qs(Text(lobby_.ServerOn() ? Tx::ServerOn : Tx::ServerOff)));

  const MyResults& r = lobby_.Results();
  const QString values[kResultRows] = {
      Qs(r.nick),
      QString::number(r.score),
      r.place ? QString::number(*r.place) : Qs(Text(Tx::NoConnect)),
      QString::number(r.rating),
      QString::number(r.games),
      Qs(r.city)};
  for (int row = 0; row < kResultRows; ++row) results_[size_t(row)]->setText(values[row]);

  const bool controls = lobby_.ControlsEnabled();
  for (QPushButton* button : {refresh_, top_ten_, close_}) button->setEnabled(controls);
}

void TFTour::ShowTopTen() {
  const TZefClient& own = lobby_.Own();
  context_.lists.tournament_own = TourStanding{own.Score, own.Kon, own.Rating};
  ShowTournamentTopTen(context_.lists, this);
}

void TFTour::CloseForGame() {
  for_game_ = true;
  close();
}

void TFTour::closeEvent(QCloseEvent* event) {
  // Seated at a running server the player waits for the match or gives the seat up first.
  if (!for_game_ && !lobby_.ControlsEnabled()) {
    event->ignore();
    return;
  }
  refresh_timer_->stop();
  error_timer_->stop();
  DesignedDialog::closeEvent(event);
}

void TFTour::reject() {
  if (!for_game_ && !lobby_.ControlsEnabled()) return;
  DesignedDialog::reject();
}

}  // namespace quorvex
