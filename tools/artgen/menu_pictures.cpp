#include "menu_pictures.h"

#include <QPainter>

#include "back_art.h"
#include "canvas.h"
#include "suit_shapes.h"

namespace artgen {

namespace {

// Three cards fanned from a point below the picture, a back between two suit cards, and the
// two suits' signs large in front.
QImage MenuPicture(int first_suit, const DeckFolders& decks) {
  QImage image = Clear(160, 200);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSizeF card(69, 94);
  const QImage back = BackArt(0, first_suit == 0 ? 2 : 5, QSize(69, 94), true, decks);
  for (int i = 0; i < 3; ++i) {
    p.save();
    p.translate(80, 190);
    p.rotate((i - 1) * 16.0);
    const QRectF r(-card.width() / 2, -170, card.width(), card.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(r.translated(3, 3), 5, 5);
    if (i == 1) {
      p.drawImage(r, back);
    } else {
      p.setPen(QPen(QColor(60, 60, 60), 1.0));
      p.setBrush(QColor(252, 251, 246));
      p.drawRoundedRect(r, 5, 5);
      const int suit = first_suit + i / 2;
      DrawSuitSign(p, SuitFamily::kFrench, suit, r.adjusted(14, 24, -14, -24),
                   DefaultSuitColour(SuitFamily::kFrench, suit));
    }
    p.restore();
  }
  for (int k = 0; k < 2; ++k) {
    const int suit = first_suit + k;
    const QRectF box(22 + k * 62, 120, 54, 54);
    DrawSuitSign(p, SuitFamily::kFrench, suit, box.translated(2, 3), QColor(0, 0, 0, 90));
    DrawSuitSign(p, SuitFamily::kFrench, suit, box, DefaultSuitColour(SuitFamily::kFrench, suit));
  }
  return Done(image);
}

}  // namespace

bool MakeMenuPictures(BundleWriter& out, const DeckFolders& decks) {
  const QString png = QStringLiteral("RCDATA");
  out.AddPng(png, QStringLiteral("GMenuLeft"), MenuPicture(0, decks));
  out.AddPng(png, QStringLiteral("GMenuRight"), MenuPicture(2, decks));
  return true;
}

}  // namespace artgen
