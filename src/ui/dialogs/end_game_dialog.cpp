#include "ui/dialogs/end_game_dialog.h"

#include <QBuffer>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <iterator>

#include "locale/lang_text.h"
#include "sound/effects.h"
#include "ui/art/resource_library.h"
#include "ui/art/touch_effect.h"
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

QString AnimationName(EndGameClass result) {
  return result == EndGameClass::Best   ? QStringLiteral("GEndBest")
         : result == EndGameClass::Good ? QStringLiteral("GEndGood")
                                        : QStringLiteral("GEndBads");
}

// The medal "GMedal" with the place "GPlace01" .. "GPlace10" over it.
void DrawMedal(QPainter& p, int place) {
  QImage medal, number;
  LoadLibraryPicture(QStringLiteral("GMedal"), QString(), medal);
  LoadLibraryPicture(QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0')), QString(),
                     number);
  p.drawImage(kMedal, medal);
  p.drawImage(kMedal, number);
}

QPixmap Picture(const EndGameInput& in, bool purple) {
  // The grey designs' rows start lower; the empty top of their image goes to the header.
  const int cut = purple ? 0 : 40;
  QPixmap pixmap(kPicture.width(), kPicture.height() - cut);
  pixmap.fill(purple ? QColor(Qt::transparent) : QColor(0xf4, 0xf0, 0xe4));
  QPainter p(&pixmap);
  p.translate(0, -cut);
  p.setRenderHint(QPainter::TextAntialiasing);
  for (const EndGameRow& row : purple ? PurpleEndGameRows(in) : EndGameRows(in)) {
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

int TFormEndGame::StillFrame(EndGameClass result) {
  return result == EndGameClass::Best ? 25 : result == EndGameClass::Good ? 24 : 3;
}

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
  // A rating game's bonus: the rows move up and the Zefs are named under them.
  if (in.account_state == 3 && in.bonus > 0) {
    static constexpr int kBonusRows[] = {80, 120, 160, 200, 240};
    for (size_t i = 0; i < rows.size() && i < std::size(kBonusRows); ++i) rows[i].y = kBonusRows[i];
    rows.push_back({Qs(Tx::YouGet) + QLatin1Char(' ') + QString::number(in.bonus) +
                        QLatin1Char(' ') + Qs(Tx::Zefs) + QStringLiteral("!!!"),
                    QColor(Qt::red), 26, 360});
  }
  return rows;
}

std::vector<EndGameRow> PurpleEndGameRows(const EndGameInput& in) {
  std::vector<EndGameRow> rows = EndGameRows(in);
  const QColor green(0x40, 0xff, 0x60);
  for (EndGameRow& row : rows) {
    const bool result = row.colour == QColor(0x00, 0x80, 0x00);
    row.colour = result ? green : QColor(Qt::yellow);
    row.y -= 50;
  }
  return rows;
}

TFormEndGame::TFormEndGame(const EndGameInput& in, const Settings& settings, QWidget* parent)
    : DesignedDialog(settings, parent), in_(in) {
  setWindowTitle(Qs(Tx::CompletionOfGame));
  auto* animation = new QLabel(this);
  animation->setObjectName(QStringLiteral("animation"));
  animation->setFixedSize(kAnimation);
  GifPicture gif;
  if (LoadLibraryPicture(AnimationName(Result()), QString(), gif)) {
    auto* data = new QBuffer(this);
    data->setData(gif.data);
    movie_ = new QMovie(data, QByteArray("gif"), this);
    animation->setMovie(movie_);
    if (in_.animated) {
      // The winners' animations end on their whole picture; the regrets go round.
      if (Result() != EndGameClass::Bad) {
        connect(movie_, &QMovie::frameChanged, this, [this](int frame) {
          if (frame == movie_->frameCount() - 1) movie_->setPaused(true);
        });
      }
      movie_->start();
    } else {
      // GIF frames are read in order: stepped to the still one.
      while (movie_->currentFrameNumber() < StillFrame(Result()) - 1 && movie_->jumpToNextFrame()) {
      }
    }
  }
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setPixmap(Picture(in_, Design() == DialogDesign::Purple));
  QPushButton* ok = NewDialogButton(Qs(Tx::Ok), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this, ok] {
    if (in_.click_effect && TouchEffect::Play(this, ok->geometry().center())) {
      // The ripple is seen before the window goes.
      QTimer::singleShot(250, this, &QDialog::accept);
      return;
    }
    accept();
  });

  auto* row = new QHBoxLayout;
  row->addWidget(animation, 0, Qt::AlignTop);
  row->addWidget(picture);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setContentsMargins(12, HeaderHeight() + 6, 12, 12);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FinishDesign();
}

int RunEndGame(const EndGameInput& in, const Settings& settings, QWidget* parent,
               SoundPlayer* sound) {
  TFormEndGame dialog(in, settings, parent);
  if (sound) sound->PlayEffect(EndGameEffect(in.place), false);
  return RunModal(dialog, false);  // it sounds by the place reached
}

}  // namespace quorvex
