// Contact sheets of the card art, drawn through the program's own loaders from the libraries
// the build made: every face design, every back design, the table at the normal window size and
// cards at the biggest one. For looking at the art; nothing here is part of the game.
//
// Usage: quorvex_contact_sheet <folder of the libraries> <output folder>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>

#include "art/back_names.h"
#include "art/card_names.h"
#include "game/hand_layout.h"
#include "game/platform.h"
#include "ui/art/background_loader.h"
#include "ui/art/card_images.h"
#include "ui/art/card_painter.h"
#include "ui/art/resource_library.h"
#include "ui/dialogs/notice_window.h"
#include "ui/table/table_geometry.h"
#include "ui/table/table_painter.h"

namespace {

using namespace quorvex;

TCard Card(const char* text) {
  TCard card;
  ParseCardText(text, card);
  return card;
}

void Label(QPainter& p, int x, int y, const QString& text) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(14);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(x, y, text);
}

// Each face design in a row: eight cards at the biggest window size and five at the normal one.
QImage Faces() {
  const char* const cards[] = {"As", "Kh", "Qc", "Jd", "Ts", "7h", "5c", "2d"};
  const char* const small[] = {"Ah", "Ks", "Qd", "9c", "3h"};
  const int row = 206, width = 8 * 150 + 5 * 74 + 160;
  QImage sheet(width, kFaceDesigns * row, QImage::Format_RGB32);
  sheet.fill(QColor(20, 86, 48));
  QPainter p(&sheet);
  for (int design = 0; design < kFaceDesigns; ++design) {
    Settings settings;
    settings.CardFaceSet = design;
    CardImages big(settings);
    big.SetWindow(5, WindowScaleFor(5, 0, 0));
    big.LoadCardFaces();
    const int y = design * row + 4;
    Label(
        p, 8, y + 20,
        QString::number(design) + QLatin1Char(' ') + QString::fromStdString(DesignPrefix(design)));
    for (int i = 0; i < 8; ++i) big.DrawCard(160 + i * 150, y, Card(cards[i]), p);
    CardImages normal(settings);
    normal.SetWindow(1, WindowScaleFor(1, 0, 0));
    normal.LoadCardFaces();
    for (int i = 0; i < 5; ++i) normal.DrawCard(160 + 8 * 150 + i * 74, y, Card(small[i]), p);
    for (int s = 0; s < 4; ++s) {
      p.drawImage(8 + s * 24, y + 40, normal.Symbol(s));
      p.drawImage(8 + s * 36, y + 70,
                  big.BigSymbol(s).scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
  }
  return sheet;
}

// Each back design in a row: its backs at the normal size, then two at the big wide size.
QImage Backs() {
  const int row = 206;
  QImage sheet(160 + 10 * 74 + 2 * 150 + 210, kBackDesigns * row, QImage::Format_RGB32);
  sheet.fill(QColor(20, 86, 48));
  QPainter p(&sheet);
  for (int deck = 0; deck < kBackDesigns; ++deck) {
    Settings settings;
    settings.DeckSet = deck;
    settings.CardFaceSet = deck == 0 ? 0 : 40;
    CardImages normal(settings);
    normal.SetWindow(1, WindowScaleFor(1, 0, 0));
    normal.LoadCardFaces();
    CardImages big(settings);
    big.SetWindow(5, WindowScaleFor(5, 0, 0));
    big.LoadCardFaces();
    const int y = deck * row + 4;
    Label(p, 8, y + 20,
          QString::number(deck) + QLatin1Char(' ') + QString::fromStdString(DeckPrefix(deck)));
    for (int n = 1; n <= BackCount(deck); ++n) {
      p.drawImage(160 + (n - 1) * 74, y, normal.Back(n, false));
      p.drawImage(160 + (n - 1) * 74, y + 100, normal.Back(n, true).scaled(72, 53));
    }
    p.drawImage(160 + 10 * 74, y, big.Back(1, false));
    p.drawImage(160 + 10 * 74 + 150, y, big.Back(2, false));
    p.drawImage(160 + 10 * 74 + 300, y + 10, big.Back(3, true));
  }
  return sheet;
}

// The table of the normal window in the middle of a deal.
QImage Table() {
  CardPainter cards;
  TableLayout layout;
  TablePainter painter(cards, layout);
  TableModel model;
  const char* const lower[] = {"Ah", "Kh", "Th", "5h", "Qs", "9s", "8s",
                               "Ad", "Jd", "4d", "Kc", "7c", "2c"};
  auto& hand = model.hands[2];
  for (const char* c : lower) hand.cards.push_back(Card(c));
  hand.face_up = true;
  hand.lefts =
      HandCardLefts(13, table::kLowerHand.left(), table::kLowerHand.right() + 1, table::kCardWidth);
  auto& upper = model.hands[1];
  upper.cards.assign(12, Card("2s"));
  upper.lefts =
      HandCardLefts(12, table::kUpperHand.left(), table::kUpperHand.right() + 1, table::kCardWidth);
  model.trick[1] = Card("Js");
  model.trick[2] = Card("Qs");
  model.stock = 21;
  for (int seat = 1; seat <= 2; ++seat) {
    model.plate_shown[seat] = true;
    model.plates[seat].name = seat == 1 ? "Computer" : "Player";
    model.plates[seat].north = seat == 1;
    model.panels[seat].shown = true;
    model.panels[seat].score = seat == 1 ? -120 : 340;
    model.panels[seat].tricks = seat == 1 ? 4 : 5;
  }
  model.deal.shown = true;
  model.deal.deal_count = 3;
  QImage image(table::kClientSize, QImage::Format_RGB32);
  QPainter p(&image);
  painter.PaintFelt(p, image.rect());
  painter.PaintTable(p, model);
  return image;
}

// The biggest window: its background, a hand of big cards, backs and the special cards.
QImage BigWindow(int design) {
  Settings settings;
  settings.CardFaceSet = design;
  settings.Background = 7;
  settings.BackgroundColour = 5;
  const WindowScale scale = WindowScaleFor(5, 0, 0);
  QImage image(scale.client_width, scale.client_height, QImage::Format_RGB32);
  QImage background;
  LoadBackground(settings, false, 5, image.size(), background);
  QPainter p(&image);
  p.drawImage(0, 0, background);
  CardImages images(settings);
  images.SetWindow(5, scale);
  images.LoadCardFaces();
  const char* const hand[] = {"As", "Ks", "Qs", "Js", "Ts", "Ah", "Qh",
                              "9h", "Kd", "8d", "6c", "4c", "2c"};
  const int cell = images.Cell().width;
  for (int i = 0; i < 13; ++i) images.DrawCard(200 + i * 85, 770, Card(hand[i]), p);
  for (int i = 0; i < 8; ++i) images.DrawBack(420 + i * 85, 20, p);
  images.DrawCard(640, 380, Card("Qd"), p);
  images.DrawCard(640 + cell + 30, 380, Card("Kd"), p);
  const TCard specials[] = {{'F', 'r'}, {'K', 'Y'}, {'K', 'N'}, {'X', 'g'}, {'X', 'o'}};
  for (int i = 0; i < 5; ++i) images.DrawCard(40, 40 + i * 140, specials[i], p);
  return image;
}

bool Save(const QImage& image, const QString& path) {
  if (!image.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <folder of the libraries> <output folder>\n", argv[0]);
    return 2;
  }
  SetLibraryDirectory(QString::fromLocal8Bit(argv[1]));
  SetNoticeHook([](const QString& line1, const QString&, const QString&) {
    std::fprintf(stderr, "notice: %s\n", qPrintable(line1));
  });
  const QString out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out);
  const bool ok = Save(Faces(), out + QStringLiteral("/faces.png")) &&
                  Save(Backs(), out + QStringLiteral("/backs.png")) &&
                  Save(Table(), out + QStringLiteral("/table-size1.png")) &&
                  Save(BigWindow(0), out + QStringLiteral("/size5-classic.png")) &&
                  Save(BigWindow(37), out + QStringLiteral("/size5-slavic.png"));
  return ok ? 0 : 1;
}
