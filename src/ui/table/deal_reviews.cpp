#include "ui/table/deal_reviews.h"

#include <QFileDialog>
#include <QMessageBox>

#include "game/controller.h"
#include "locale/lang_text.h"
#include "opponent/deal_review.h"
#include "records/pbn_export.h"
#include "settings/safe_file_write.h"
#include "ui/dialogs/modal_run.h"
#include "ui/menu/club_keeper.h"

namespace quorvex {

DealReviews::DealReviews(std::filesystem::path program_dir, const Settings& settings,
                         GameController& controller, ClubKeeper& keeper)
    : dir_(std::move(program_dir)),
      settings_(settings),
      controller_(controller),
      keeper_(keeper),
      analyser_(AnalyseDeal),
      save_pbn_([](const DealRecord& deal, QWidget* parent) { SavePbn({deal}, parent); }) {}

bool DealReviews::SavePbn(const std::vector<DealRecord>& deals, QWidget* parent) {
  if (deals.empty()) return false;
  const QString name = QStringLiteral("quorvex-deal-%1.pbn").arg(deals.front().deal_no);
  const QString file = QFileDialog::getSaveFileName(
      parent, QString::fromUtf8(Text(Tx::ReviewSavePbn)), name, QStringLiteral("PBN (*.pbn)"));
  if (file.isEmpty()) return false;
  const std::string text = PbnText(deals, PbnEvent{"Quorvex", "Quorvex"});
  if (ReplaceFileContents(file.toStdString(), text)) return true;
  QMessageBox::warning(parent, QString::fromUtf8(Text(Tx::ReviewTitle)),
                       QString::fromUtf8(Text(Tx::PbnSaveFailed)));
  return false;
}

bool DealReviews::OpenLast(QWidget* parent) {
  const std::optional<DealRecord>& last = keeper_.LastDeal();
  if (!last) return false;
  // An earlier look at it may have kept its analysis.
  DealRecord record = *last;
  for (const DealRecord& kept : ReadDealRecords(dir_).records) {
    if (kept.time == record.time && kept.deal_no == record.deal_no) record = kept;
  }
  Open(record, parent);
  return true;
}

void DealReviews::Open(const DealRecord& record, QWidget* parent) {
  TFReview window(record, settings_, analyser_, parent);
  window.SetAnalysed([this](const DealRecord& analysed) { UpdateDealRecord(dir_, analysed); });
  // A deal against the computer may be dealt again at the end of a deal of such a session.
  if (record.kind == DealKind::Computer && controller_.CanPlayAgain())
    window.SetPlayAgain([this](const DealRecord& again) { controller_.PlayAgain(again); });
  if (save_pbn_) {
    window.SetSavePbn([this, &window](const DealRecord& deal) { save_pbn_(deal, &window); });
  }
  RunModal(window);
}

}  // namespace quorvex
