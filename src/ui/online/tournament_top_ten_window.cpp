#include "ui/online/tournament_top_ten_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "locale/lang_text.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/modal_run.h"
#include "ui/online/tour_kind_panel.h"
#include "ui/online/tournament_board.h"
#include "ui/online/wait_cursor.h"
#include "ui/online/world_top_ten_window.h"

namespace quorvex {

TFormTourTopTen::TFormTourTopTen(WorldListsContext& context, QWidget* parent)
    : DesignedDialog(context.settings, parent), context_(context) {
  setWindowTitle(QString::fromUtf8(Text(Tx::TournamentTopTen).c_str()));
  kinds_ = new TourKindPanel(context_.tournament_kind, TextColour(), this);
  connect(kinds_, &TourKindPanel::KindChosen, this, [this](TourKind kind) {
    context_.tournament_kind = kind;
    ReadAndDraw();
  });
  board_ = new TopTenBoard(Design() == DialogDesign::Purple, this);
  auto* close = NewDialogButton(QString::fromUtf8(Text(Tx::Close).c_str()), this);
  close->setFixedSize(110, 30);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, HeaderHeight() + 8, 14, 12);
  layout->addWidget(kinds_, 0, Qt::AlignHCenter);
  layout->addWidget(board_);
  layout->addWidget(close, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FinishDesign();
  ReadAndDraw();
}

void TFormTourTopTen::ReadAndDraw() {
  BoardContent content;
  {
    WaitCursor wait;
    content = ReadTournamentBoard(context_.http, context_.tournament, context_.tournament_kind,
                                  context_.tournament_own);
  }
  board_->SetContent(std::move(content));
}

void ShowTournamentTopTen(WorldListsContext& context, QWidget* parent) {
  if (DesignOf(context.settings) == DialogDesign::Purple) {
    ShowWorldTopTen(context, parent, true);
    return;
  }
  TFormTourTopTen window(context, parent);
  RunModal(window);
}

}  // namespace quorvex
