#include "ui/dialogs/review_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "locale/lang_text.h"
#include "opponent/auction_table.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/dialog_design.h"
#include "ui/dialogs/review_table.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

QString SuitSymbol(char suit) {
  switch (SuitIndex(suit)) {
    case 0:
      return QStringLiteral("\u2665");
    case 1:
      return QStringLiteral("\u2666");
    case 2:
      return QStringLiteral("\u2663");
    case 3:
      return QStringLiteral("\u2660");
    default:
      return {};
  }
}

QString Signed(int32_t points) {
  return points > 0 ? QStringLiteral("+%1").arg(points) : QString::number(points);
}

const QColor kCostly(250, 206, 200);

}  // namespace

QString ReviewCallText(int code) {
  if (code == kCallDouble) return Qs(Text(Tx::Double));
  if (code == kCallRedouble) return Qs(Text(Tx::Redouble));
  if (code == kCallPass) return Qs(Text(Tx::Pass));
  if (!IsBid(code)) return {};
  const QString level = QString::number(BidTricks(code) - 6);
  const int denomination = BidDenomination(code);
  return level + (denomination == 5 ? Qs(Text(Tx::NoTrumpLabel))
                                    : SuitSymbol(DenominationTrump(denomination)));
}

QString ReviewCardText(const TCard& card) {
  const uint8_t rank = RankValue(card);
  if (rank < 1 || rank > 13) return QStringLiteral("--");
  static const char* const kRanks[] = {"",  "2", "3",  "4", "5", "6", "7",
                                       "8", "9", "10", "J", "Q", "K", "A"};
  return QString::fromLatin1(kRanks[rank]) + SuitSymbol(card.suit);
}

TFReview::TFReview(DealRecord record, const Settings& settings, DealAnalyser analyser,
                   QWidget* parent)
    : DesignedDialog(settings, parent),
      record_(std::move(record)),
      replay_(record_),
      analyser_(std::move(analyser)) {
  setWindowTitle(Qs(Text(Tx::ReviewTitle)));
  Settings chosen = settings;
  cards_.Configure(chosen, 1, WindowScale{});

  table_ = new ReviewTable(cards_, this);
  table_->SetNames(SeatName(1), SeatName(2));
  steps_ = new QListWidget(this);
  steps_->setMinimumWidth(330);
  status_ = new QLabel(this);
  status_->setWordWrap(true);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 100);
  progress_->setTextVisible(true);

  static const char* const kArrows[] = {"|\u25C0", "\u25C0", "\u25B6", "\u25B6|"};
  auto* arrows = new QHBoxLayout;
  for (int i = 0; i < 4; ++i) {
    step_buttons_[i] = NewDialogButton(QString::fromUtf8(kArrows[i]), this);
    step_buttons_[i]->setToolTip(Qs(Text(Tx::ReviewSteps, i)));
    step_buttons_[i]->setAutoDefault(false);
    arrows->addWidget(step_buttons_[i]);
  }
  connect(step_buttons_[0], &QPushButton::clicked, this, [this] { GoTo(0); });
  connect(step_buttons_[1], &QPushButton::clicked, this, [this] { GoTo(step_ - 1); });
  connect(step_buttons_[2], &QPushButton::clicked, this, [this] { GoTo(step_ + 1); });
  connect(step_buttons_[3], &QPushButton::clicked, this, [this] { GoTo(LastStep()); });
  connect(steps_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row != step_) GoTo(row);
  });

  play_again_button_ = NewDialogButton(Qs(Text(Tx::ReviewPlayAgain)), this);
  save_button_ = NewDialogButton(Qs(Text(Tx::ReviewSavePbn)), this);
  auto* close = NewDialogButton(Qs(Text(Tx::Close)), this);
  play_again_button_->setAutoDefault(false);
  save_button_->setAutoDefault(false);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(save_button_, &QPushButton::clicked, this, [this] {
    if (save_pbn_) save_pbn_(record_);
  });
  connect(play_again_button_, &QPushButton::clicked, this, [this] {
    const DealRecord record = record_;
    const auto play = play_again_;
    accept();
    if (play) play(record);
  });

  auto* left = new QVBoxLayout;
  left->addWidget(table_);
  left->addLayout(arrows);
  auto* right = new QVBoxLayout;
  right->addWidget(steps_, 1);
  right->addWidget(status_);
  right->addWidget(progress_);
  auto* row = new QHBoxLayout;
  row->addLayout(left);
  row->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(play_again_button_);
  buttons->addWidget(save_button_);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row, 1);
  layout->addLayout(buttons);
  layout->setContentsMargins(12, HeaderHeight() + 6, 12, 12);
  SetHeaderCaption(Qs(Text(Tx::ReviewTitle)) + QStringLiteral("  ·  ") +
                   Qs(Text(Tx::ReviewDealLine))
                       .arg(record_.deal_no)
                       .arg(record_.contract == 0
                                ? Qs(Text(Tx::ReviewPassedOut))
                                : ReviewCallText(record_.contract) + QStringLiteral(" ") +
                                      SeatName(record_.declarer)));
  FinishDesign();

  play_again_button_->setEnabled(false);
  save_button_->setEnabled(false);
  FillSteps();
  GoTo(0);
  if (record_.analysis || record_.contract == 0) {
    progress_->hide();
  } else {
    StartAnalysis();
  }
}

void TFReview::SetPlayAgain(std::function<void(const DealRecord&)> play) {
  play_again_ = std::move(play);
  play_again_button_->setEnabled(bool(play_again_));
}

void TFReview::SetSavePbn(std::function<void(const DealRecord&)> save) {
  save_pbn_ = std::move(save);
  save_button_->setEnabled(bool(save_pbn_));
}

TFReview::~TFReview() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
}

QString TFReview::SeatName(int seat) const {
  if (seat != 1 && seat != 2) return {};
  return Qs(record_.names[seat]);
}

void TFReview::StartAnalysis() {
  status_->setText(Qs(Text(Tx::ReviewAnalysing)));
  progress_->setValue(0);
  if (!analyser_) return;
  worker_ = std::thread([this, record = record_, analyser = analyser_] {
    std::optional<DealAnalysis> analysis = analyser(record, [this](int done, int total) {
      const int percent = total > 0 ? done * 100 / total : 0;
      QMetaObject::invokeMethod(
          this, [this, percent] { progress_->setValue(percent); }, Qt::QueuedConnection);
      return !stop_.load();
    });
    if (stop_) return;
    QMetaObject::invokeMethod(
        this, [this, analysis] { AnalysisDone(analysis); }, Qt::QueuedConnection);
  });
}

void TFReview::AnalysisDone(std::optional<DealAnalysis> analysis) {
  if (worker_.joinable()) worker_.join();
  progress_->hide();
  if (!analysis) {
    status_->setText(Qs(Text(Tx::ReviewNotAnalysed)));
    return;
  }
  status_->clear();
  record_.analysis = std::move(analysis);
  const int row = step_;
  FillSteps();
  GoTo(row);
  if (analysed_) analysed_(record_);
}

void TFReview::FillSteps() {
  const QSignalBlocker quiet(steps_);
  steps_->clear();
  steps_->addItem(Qs(Text(Tx::ReviewAuction)));
  const DealAnalysis* analysis = record_.analysis ? &*record_.analysis : nullptr;
  for (int i = 0; i < replay_.Cards(); ++i) {
    QString text = Qs(Text(Tx::ReviewTrick)).arg(i / 2 + 1) + QStringLiteral("   ") +
                   ReviewCardText(replay_.CardAt(i)) + QStringLiteral("  ") +
                   SeatName(replay_.PlayerOf(i));
    auto* item = new QListWidgetItem;
    if (analysis && i < int(analysis->cards.size())) {
      const CardReview& review = analysis->cards[i];
      text += QStringLiteral("  —  ") + Qs(Text(Tx::ReviewCanTake)).arg(review.best);
      if (review.cost > 0) {
        text += QStringLiteral(",  ") + Qs(Text(Tx::ReviewCost)).arg(review.cost);
        item->setBackground(kCostly);
        item->setForeground(Qt::black);
      }
    }
    item->setText(text);
    steps_->addItem(item);
  }
}

QStringList TFReview::MiddleText() const {
  QStringList lines;
  QStringList calls;
  for (const DealCall& call : record_.calls)
    calls << ReviewCallText(call.code) + QStringLiteral(" (") + SeatName(call.seat) +
                 QStringLiteral(")");
  lines << Qs(Text(Tx::ReviewAuction)) + QStringLiteral(": ") + calls.join(QStringLiteral(" – "));
  if (record_.contract == 0) {
    lines << Qs(Text(Tx::ReviewPassedOut));
  } else {
    lines << ReviewCallText(record_.contract) +
                 (record_.doubling == 2   ? QStringLiteral(" XX")
                  : record_.doubling == 1 ? QStringLiteral(" X")
                                          : QString()) +
                 QStringLiteral("  ") + SeatName(record_.declarer) + QStringLiteral("  ·  ") +
                 Qs(Text(Tx::ReviewResult))
                     .arg(record_.declarer_tricks)
                     .arg(Signed(record_.declarer_score));
  }
  if (record_.analysis) {
    const DealAnalysis& a = *record_.analysis;
    lines << QString() << Qs(Text(Tx::ReviewForecast));
    for (int seat = 1; seat <= 2; ++seat) {
      QString row = SeatName(seat) + QStringLiteral(":  ");
      for (int d = 1; d <= 5; ++d) {
        const QString name = d == 5 ? Qs(Text(Tx::NoTrumpLabel)) : SuitSymbol(DenominationTrump(d));
        row += name + QStringLiteral(" ") + QString::number(a.forecast[seat][d]) +
               QStringLiteral("   ");
      }
      lines << row.trimmed();
    }
    if (record_.contract != 0) {
      lines << QString()
            << Qs(Text(Tx::ReviewBestPlay)).arg(a.best_tricks).arg(Signed(a.best_score));
    }
  }
  return lines;
}

void TFReview::GoTo(int step) {
  step_ = std::clamp(step, 0, LastStep());
  table_->SetStep(replay_.After(step_));
  table_->SetMiddleText(step_ == 0 ? MiddleText() : QStringList());
  {
    const QSignalBlocker quiet(steps_);
    steps_->setCurrentRow(step_);
  }
  step_buttons_[0]->setEnabled(step_ > 0);
  step_buttons_[1]->setEnabled(step_ > 0);
  step_buttons_[2]->setEnabled(step_ < LastStep());
  step_buttons_[3]->setEnabled(step_ < LastStep());
}

void TFReview::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      GoTo(step_ - 1);
      return;
    case Qt::Key_Right:
      GoTo(step_ + 1);
      return;
    case Qt::Key_Home:
      GoTo(0);
      return;
    case Qt::Key_End:
      GoTo(LastStep());
      return;
    default:
      DesignedDialog::keyPressEvent(event);
  }
}

QImage TFReview::Snapshot() {
  return grab().toImage();
}

}  // namespace quorvex
