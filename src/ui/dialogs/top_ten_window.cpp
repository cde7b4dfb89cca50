#include "ui/dialogs/top_ten_window.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/dialog_design.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

// The list on the window's image: on cream paper in the grey designs, straight on the picture
// in light colours in the purple one.
QPixmap Picture(const ClubFile& club, bool network, bool purple) {
  // The rows keep their places on the image; its empty top is left to the window's header.
  constexpr int kCut = 50;
  QPixmap pixmap(450, 150 + 33 * 10 - kCut);
  pixmap.fill(purple ? QColor(Qt::transparent) : QColor(0xf4, 0xf0, 0xe4));
  const QColor title = purple ? QColor(Qt::yellow) : QColor(0x80, 0x00, 0x00);
  const QColor text = purple ? QColor(Qt::white) : QColor(Qt::black);
  const QColor podium = purple ? QColor(0xff, 0xc8, 0x40) : QColor(Qt::red);
  const QColor rest = purple ? QColor(0xe0, 0xe0, 0xff) : QColor(0x00, 0x00, 0x80);
  QPainter p(&pixmap);
  p.translate(0, -kCut);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font = p.font();
  font.setPixelSize(18);
  font.setBold(true);
  p.setFont(font);
  p.setPen(title);
  p.drawText(QRect(0, 60, 450, 34), Qt::AlignCenter,
             Qs(Text(network ? Tx::ModeBannerNet : Tx::ModeBannerLocal)));
  font.setBold(false);
  font.setPixelSize(16);
  p.setFont(font);
  p.setPen(text);
  p.drawText(QRect(70, 100, 160, 28), Qt::AlignCenter, Qs(Text(Tx::TopTen)));
  p.drawText(QRect(250, 100, 150, 28), Qt::AlignCenter, Qs(Text(Tx::Score)));
  font.setPixelSize(18);
  p.setFont(font);
  for (int place = 1; place <= kTopTenPlaces; ++place) {
    const TopTenEntry entry = club.TopTen(place);
    const int y = 150 + 33 * (place - 1);
    p.setPen(place <= 3 ? podium : rest);
    // The place at x = 70, a size smaller so that "10." ends before the name at 95.
    QFont number_font = font;
    number_font.setPixelSize(16);
    p.setFont(number_font);
    p.drawText(QRect(70, y - 14, 25, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QString::number(place) + QLatin1Char('.'));
    p.setFont(font);
    if (entry.Empty()) continue;
    p.drawText(QRect(95, y - 14, 200, 28), Qt::AlignLeft | Qt::AlignVCenter,
               Qs(Cp1251ToUtf8(entry.name)).trimmed());
    p.drawText(QRect(280, y - 14, 100, 28), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(*entry.score));
  }
  return pixmap;
}

}  // namespace

TFormTopTen::TFormTopTen(const ClubFile& club, bool network, const Settings& settings,
                         QWidget* parent)
    : DesignedDialog(settings, parent) {
  setWindowTitle(Qs(Text(Tx::TopTen)));
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setPixmap(Picture(club, network, Design() == DialogDesign::Purple));
  auto* ok = NewDialogButton(Qs(Text(Tx::Ok)), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setContentsMargins(12, HeaderHeight() + 6, 12, 12);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FinishDesign();
}

}  // namespace quorvex
