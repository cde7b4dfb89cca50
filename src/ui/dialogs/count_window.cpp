#include "ui/dialogs/count_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "locale/lang_text.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/dialog_design.h"
#include "ui/menu/account_lamp.h"

namespace quorvex {
namespace {
QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}
}  // namespace

TFormCount::TFormCount(const TCount& count, const std::string& player, const Settings& settings,
                       AccountState account, QWidget* parent)
    : DesignedDialog(settings, parent) {
  setWindowTitle(Qs(Text(Tx::PlayerWord) + ":  " + player));
  auto* heading = new QLabel(Qs(Text(Tx::InformationAboutGame)), this);
  QFont heading_font = heading->font();
  heading_font.setPixelSize(20);
  heading_font.setBold(true);
  heading->setFont(heading_font);

  const std::pair<Tx, const std::string*> rows[] = {{Tx::GeneralNumberOfGame, &count.Count_KonAll},
                                                    {Tx::NumberOfRoundInCycle, &count.Count_KonCur},
                                                    {Tx::InitialScore, &count.Count_ScoBeg},
                                                    {Tx::CurrentScore, &count.Count_ScoCur},
                                                    {Tx::GeneralScoreLabel, &count.Count_ScoAll},
                                                    {Tx::InitialRating, &count.Count_ReiBeg},
                                                    {Tx::CurrentRating, &count.Count_ReiCur}};
  auto* grid = new QGridLayout;
  int line = 0;
  for (const auto& [label, value] : rows) {
    auto* name = new QLabel(Qs(Text(label)), this);
    QFont font = name->font();
    font.setPixelSize(16);
    name->setFont(font);
    auto* shown = new QLabel(Qs(*value).trimmed(), this);
    shown->setObjectName(QStringLiteral("value%1").arg(line));
    font.setPixelSize(24);
    font.setBold(true);
    shown->setFont(font);
    grid->addWidget(name, line, 0);
    grid->addWidget(shown, line, 1, Qt::AlignRight);
    ++line;
  }
  auto* ok = NewDialogButton(Qs(Text(Tx::Ok)), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  auto* lamp = new AccountLamp(this);
  lamp->setObjectName(QStringLiteral("account"));
  lamp->SetState(account);
  lamp->setFixedSize(54, 36);
  auto* top = new QHBoxLayout;
  top->addWidget(lamp);
  top->addWidget(heading, 1, Qt::AlignHCenter);
  top->addSpacing(54);  // the heading stays centred
  layout->addLayout(top);
  layout->addLayout(grid);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setContentsMargins(24, HeaderHeight() + 8, 24, 12);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FinishDesign();
}

}  // namespace quorvex
