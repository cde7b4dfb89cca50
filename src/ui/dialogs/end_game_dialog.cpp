#include "ui/dialogs/end_game_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "locale/lang_text.h"
#include "sound/effects.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/dialog_design.h"
#include "ui/dialogs/modal_run.h"
#include "ui/media/sound_player.h"

namespace quorvex {
namespace {

QString Qs(Tx text) {
  return QString::fromUtf8(Text(text).c_str());
}

constexpr int kTextLeft = 50;
constexpr int kTextRight = 400;
constexpr QSize kPicture{450, 430};
constexpr QSize kAnimation{100, 200};
constexpr QPoint kMedal{173, 370};

// Until the build makes the animations, each class has a still emblem of its own colour.
QPixmap Emblem(EndGameClass result) {
  QPixmap pixmap(kAnimation);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor colour = result == EndGameClass::Best   ? QColor(0xd4, 0xaf, 0x37)
                        : result == EndGameClass::Good ? QColor(0xb0, 0xb8, 0xc8)
                                                       : QColor(0x60, 0x70, 0x90);
  QPainterPath cup;
  cup.moveTo(20, 40);
  cup.lineTo(80, 40);
  cup.quadTo(80, 110, 50, 120);
  cup.quadTo(20, 110, 20, 40);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(colour);
  p.drawPath(cup);
  p.drawRect(44, 120, 12, 40);
  p.drawRect(28, 160, 44, 12);
  if (result == EndGameClass::Bad) {
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(36, 60, 64, 96);
    p.drawLine(64, 60, 36, 96);
  }
  return pixmap;
}

void DrawMedal(QPainter& p, int place) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRect disc(kMedal.x(), kMedal.y(), 104, 52);
  p.setPen(QPen(QColor(0x80, 0x60, 0x00), 2));
  p.setBrush(QColor(0xe8, 0xc2, 0x3a));
  p.drawRoundedRect(disc, 12, 12);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(30);
  p.setFont(font);
  p.setPen(QColor(0x80, 0x00, 0x00));
  p.drawText(disc, Qt::AlignCenter, QString::number(place));
  p.restore();
}

QPixmap Picture(const EndGameInput& in) {
  QPixmap pixmap(kPicture);
  pixmap.fill(QColor(0xf4, 0xf0, 0xe4));
  QPainter p(&pixmap);
  for (const EndGameRow& row : EndGameRows(in)) {
    QFont font = p.font();
    font.setPixelSize(row.height);
    font.setBold(row.height >= 28);
    p.setFont(font);
    p.setPen(row.colour);
    const QRect band(kTextLeft, row.y - row.height, kTextRight - kTextLeft, row.height + 8);
    p.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextDontClip, row.text);
  }
  if (in.place >= 1 && in.place <= 10) DrawMedal(p, in.place);
  return pixmap;
}

}  // namespace

EndGameClass EndGameClassOf(int place) {
  if (place == 1) return EndGameClass::Best;
  if (place >= 2 && place <= 10) return EndGameClass::Good;
  return EndGameClass::Bad;
}

std::vector<EndGameRow> EndGameRows(const EndGameInput& in) {
  const QColor purple(0x80, 0x00, 0x80), maroon(0x80, 0x00, 0x00), navy(0x00, 0x00, 0x80),
      green(0x00, 0x80, 0x00), black(Qt::black);
  const QString result = Qs(Tx::ResultPrefix) + QString::number(in.score);
  std::vector<EndGameRow> rows;
  switch (EndGameClassOf(in.place)) {
    case EndGameClass::Best: {
      rows = {{Qs(Tx::Congratulations), purple, 32, 100},
              {Qs(Tx::ResultTheBest), black, 28, 175},
              {result, green, 28, 250}};
      QString title;
      if (in.account_state == 3) {
        title = Qs(Tx::TitleVicePresident);
      } else if (in.lan) {
        title = Qs(Tx::TitleBachelor);
      } else if (in.account_state == 1) {
        title = Qs(Tx::TitleMaster);
      }
      if (!title.isEmpty()) rows.push_back({title, purple, 22, 325});
      break;
    }
    case EndGameClass::Good:
      rows = {{Qs(Tx::Congratulations), maroon, 32, 100},
              {Qs(Tx::GoodResult), black, 28, 175},
              {result, green, 28, 250},
              {Qs(Tx::HittedTopTen), black, 22, 325}};
      break;
    case EndGameClass::Bad: {
      const QString shown = in.place > 10 ? result + QStringLiteral(" ; ") + Qs(Tx::PlacePrefix) +
                                                QString::number(in.place)
                                          : result;
      rows = {{Qs(Tx::OurRegrets), navy, 32, 100},
              {Qs(Tx::ResultKeepsToWish), black, 20, 175},
              {shown, green, 28, 250},
              {Qs(Tx::NotHittedTopTen), navy, 20, 325}};
      break;
    }
  }
  return rows;
}

TFormEndGame::TFormEndGame(const EndGameInput& in, QWidget* parent) : QDialog(parent), in_(in) {
  setWindowTitle(Qs(Tx::CompletionOfGame));
  auto* animation = new QLabel(this);
  animation->setObjectName(QStringLiteral("animation"));
  animation->setPixmap(Emblem(Result()));
  animation->setFixedSize(kAnimation);
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setPixmap(Picture(in_));
  QPushButton* ok = NewDialogButton(Qs(Tx::Ok), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(animation, 0, Qt::AlignTop);
  row->addWidget(picture);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int RunEndGame(const EndGameInput& in, QWidget* parent, SoundPlayer* sound) {
  TFormEndGame dialog(in, parent);
  if (sound) sound->PlayEffect(EndGameEffect(in.place), false);
  return RunModal(dialog, false);  // it sounds by the place reached
}

}  // namespace quorvex
