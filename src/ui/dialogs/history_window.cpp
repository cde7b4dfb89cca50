#include "ui/dialogs/history_window.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "records/history_file.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/dialog_design.h"
#include "ui/dialogs/review_window.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

QString FromFile(const std::string& bytes) {
  return Qs(Cp1251ToUtf8(bytes)).trimmed();
}

QString DateText(const HistoryCheck& check) {
  if (!check.modified) return QString();
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(check.modified->time_since_epoch());
  const QDate date = QDateTime::fromMSecsSinceEpoch(ms.count()).date();
  return QLocale::system().toString(date, QLocale::ShortFormat);
}

constexpr int kColumnWidths[] = {45, 65, 210, 45, 55, 55, 80};

}  // namespace

TFHistory::TFHistory(const std::filesystem::path& program_dir, const Settings& settings,
                     QWidget* parent)
    : DesignedDialog(settings, parent), dir_(program_dir) {
  setWindowTitle(Qs(Text(Tx::HistoryOfGames)));
  list_ = new QListWidget(this);
  grid_ = new QTableWidget(this);
  grid_->setColumnCount(7);
  // The columns keep their widths; a smaller face lets a full date fit.
  QFont small = grid_->font();
  small.setPixelSize(11);
  grid_->setFont(small);
  QStringList heads;
  for (int column = 0; column < 7; ++column) {
    heads << Qs(Text(Tx::HistoryColumns, column));
    grid_->setColumnWidth(column, kColumnWidths[column]);
  }
  grid_->setHorizontalHeaderLabels(heads);
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setMinimumWidth(600);

  const std::vector<HistoryFileInfo> files = ListHistoryFiles(dir_);
  for (const HistoryFileInfo& file : files) {
    numbers_.push_back(file.number);
    list_->addItem(Qs(Text(Tx::HistoryFile)) +
                   QStringLiteral("%1 ").arg(file.number, 4, 10, QLatin1Char('0')) +
                   DateText(file.check));
  }
  list_->setFixedWidth(files.size() > 16 ? 193 : 180);
  if (files.empty()) {
    list_->addItem(Qs(Text(Tx::NoHistoryFiles)));
    list_->setEnabled(false);
  }
  connect(list_, &QListWidget::currentRowChanged, this, &TFHistory::ShowFile);
  if (!files.empty()) list_->setCurrentRow(int(files.size()) - 1);

  // The recorded deals, newest first; several may be chosen for one PBN file.
  const DealRecordRead deals = ReadDealRecords(dir_);
  records_.assign(deals.records.rbegin(), deals.records.rend());
  deals_ = new QListWidget(this);
  deals_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (const DealRecord& deal : records_) {
    const QString when =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(deal.time), QLocale::ShortFormat);
    QString what = deal.contract == 0 ? Qs(Text(Tx::ReviewPassedOut))
                                      : ReviewCallText(deal.contract) + QStringLiteral(" ") +
                                            Qs(deal.names[deal.declarer]) +
                                            QStringLiteral("  ·  %1").arg(deal.declarer_tricks);
    deals_->addItem(
        when + QStringLiteral("  ·  ") + Qs(Text(Tx::ReviewDealLine)).arg(deal.deal_no).arg(what) +
        QStringLiteral("  ·  ") + Qs(deal.names[1]) + QStringLiteral(" – ") + Qs(deal.names[2]));
  }
  auto* kept = new QLabel(Qs(Text(Tx::DealRecordsKept)).arg(kDealRecordLimitDefault), this);
  review_button_ = NewDialogButton(Qs(Text(Tx::ReviewButton)), this);
  save_button_ = NewDialogButton(Qs(Text(Tx::ReviewSavePbn)), this);
  review_button_->setAutoDefault(false);
  save_button_->setAutoDefault(false);
  connect(deals_, &QListWidget::itemSelectionChanged, this, &TFHistory::UpdateDealButtons);
  connect(deals_, &QListWidget::itemDoubleClicked, this, [this] {
    if (review_button_->isEnabled()) review_button_->click();
  });
  connect(review_button_, &QPushButton::clicked, this, [this] {
    const std::vector<DealRecord> chosen = ChosenDeals();
    if (chosen.size() == 1 && open_review_) open_review_(chosen[0], this);
  });
  connect(save_button_, &QPushButton::clicked, this, [this] {
    const std::vector<DealRecord> chosen = ChosenDeals();
    if (!chosen.empty() && save_pbn_) save_pbn_(chosen, this);
  });

  auto* ok = NewDialogButton(Qs(Text(Tx::Ok)), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addWidget(list_);
  row->addWidget(grid_, 1);
  auto* deal_buttons = new QVBoxLayout;
  deal_buttons->addWidget(review_button_);
  deal_buttons->addWidget(save_button_);
  deal_buttons->addStretch(1);
  auto* deal_row = new QHBoxLayout;
  deal_row->addWidget(deals_, 1);
  deal_row->addLayout(deal_buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row, 3);
  layout->addWidget(kept);
  layout->addLayout(deal_row, 2);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setContentsMargins(12, HeaderHeight() + 6, 12, 12);
  resize(820, 600 + HeaderHeight());
  UpdateDealButtons();
  FinishDesign();
}

void TFHistory::SetReviewOpener(std::function<void(const DealRecord&, QWidget*)> open) {
  open_review_ = std::move(open);
  UpdateDealButtons();
}

void TFHistory::SetPbnSaver(std::function<void(const std::vector<DealRecord>&, QWidget*)> save) {
  save_pbn_ = std::move(save);
  UpdateDealButtons();
}

std::vector<DealRecord> TFHistory::ChosenDeals() const {
  // In the order they were played, as a PBN file lists its games.
  std::vector<DealRecord> chosen;
  for (int row = deals_->count() - 1; row >= 0; --row)
    if (deals_->item(row)->isSelected()) chosen.push_back(records_[row]);
  return chosen;
}

void TFHistory::UpdateDealButtons() {
  const int chosen = int(deals_->selectedItems().size());
  review_button_->setEnabled(open_review_ && chosen == 1);
  save_button_->setEnabled(save_pbn_ && chosen > 0);
}

void TFHistory::ShowFile(int row) {
  grid_->setRowCount(0);
  if (row < 0 || row >= int(numbers_.size())) return;
  const std::vector<HistoryRow> rows = ReadHistoryRows(HistoryFilePath(dir_, numbers_[row]));
  grid_->setRowCount(int(rows.size()));
  for (int r = 0; r < int(rows.size()); ++r) {
    const HistoryRow& h = rows[r];
    const std::string* cells[] = {&h.time,   &h.date,   &h.player, &h.games,
                                  &h.result, &h.rating, &h.type};
    for (int column = 0; column < 7; ++column) {
      auto* item = new QTableWidgetItem(FromFile(*cells[column]));
      if (column != 2 && column != 6) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(r, column, item);
    }
  }
}

}  // namespace quorvex
