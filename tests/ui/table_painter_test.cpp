// The card table and the title drawn with the game's own pictures at the normal and the
// biggest window, the chat lines made to fit and the name plates' fonts.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "game/hand_layout.h"
#include "settings/font_roles.h"
#include "support/cards.h"
#include "ui/art/card_painter.h"
#include "ui/art/resource_library.h"
#include "ui/shot.h"
#include "ui/table/table_geometry.h"
#include "ui/table/table_painter.h"
#include "ui/table/title_painter.h"

namespace quorvex {
namespace {

using testing::Card;

// A window of one size: the card pictures and the layout for it, and the two painters.
struct Table {
  explicit Table(int window_size) {
    const WindowScale scale = WindowScaleFor(window_size, 0, 0);
    cards.Images().SetWindow(window_size, scale);
    cards.Images().LoadCardFaces();
    const PixelSize cell = cards.Images().Cell();
    layout.Set(window_size, scale, QSize(cell.width - 2, cell.height - 2),
               cards.Images().LayoutOffset());
    painter.Reload(settings);
  }

  QImage Paint(const TableModel& model) const {
    QImage image(layout.ClientSize(), QImage::Format_RGB32);
    QPainter p(&image);
    painter.PaintFelt(p, image.rect());
    painter.PaintTable(p, model);
    return image;
  }
  QImage Felt() const { return Paint(TableModel()); }

  Settings settings;
  CardPainter cards;
  TableLayout layout;
  TablePainter painter{cards, layout};
};

void LayOut(const TableLayout& layout, HandModel& hand, int seat) {
  const QRect zone = layout.Hand(seat);
  hand.lefts = HandCardLefts(int(hand.cards.size()), zone.left(), zone.left() + zone.width(),
                             layout.Card().width());
}

// A deal in the contract play of a tournament game, with chat, or the same deal scored.
TableModel FullTable(const TableLayout& layout, bool scored) {
  TableModel model;
  for (const char* c : {"Ah", "Kh", "Th", "5h", "Qs", "9s", "8s", "Ad", "Jd", "4d", "Kc", "7c"})
    model.hands[2].cards.push_back(Card(c));
  model.hands[2].face_up = true;
  model.hands[1].cards.assign(12, Card("2s"));
  for (int seat = 1; seat <= 2; ++seat) LayOut(layout, model.hands[seat], seat);
  for (int seat = 1; seat <= 2; ++seat) {
    model.plate_shown[seat] = true;
    model.plates[seat].name = seat == 1 ? "Computer" : "Alexandra";
    model.plates[seat].north = seat == 1;
    model.plates[seat].to_move = seat == 2;
    model.plates[seat].star = seat == 1 ? PlateStar::Defender : PlateStar::Declarer;
    model.panels[seat].shown = true;
    model.panels[seat].score = seat == 1 ? -120 : 340;
    model.panels[seat].tricks = seat == 1 ? 4 : 7;
    model.panels[seat].second = seat == 1 ? 0 : 3;
    model.panels[seat].vulnerable = seat == 2;
    model.clocks[seat] = seat == 1 ? 21 : 6;
  }
  model.deal = {true, 3, true, 4, kHearts, 1, ""};
  model.stock = 0;
  model.chat.shown = true;
  model.chat.Add(1, "Hello!");
  model.chat.Add(2, "Good luck and have fun tonight");
  model.chat.Add(3, "gl");
  if (scored) {
    model.result = DealScore{{120, 550, 200, 0}, 870, true, 2};
  } else {
    model.trick[1] = Card("Js");
    model.trick[2] = Card("Qs");
  }
  return model;
}

bool IsCream(QColor c) {
  return c.red() > 200 && c.green() > 190 && c.blue() > 140;
}
bool IsGold(QColor c) {
  return c.red() > 150 && c.green() > 90 && c.blue() < 110;
}
bool IsRed(QColor c) {
  return c.red() > 150 && c.green() < 110 && c.blue() < 110;
}
bool IsYellow(QColor c) {
  return c.red() > 200 && c.green() > 150 && c.blue() < 160;
}

// The share of a rectangle's pixels that pass a test.
template <typename Test>
double Share(const QImage& image, const QRect& r, Test test) {
  int passed = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) passed += test(image.pixelColor(x, y)) ? 1 : 0;
  return passed / double(r.width() * r.height());
}

TEST(ChatLines, CutFromTheEndAtMostTwelveCharacters) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(14);
  const QFontMetrics metrics(font);
  EXPECT_EQ(FitChatLine(QStringLiteral("Hi!"), metrics, 85), QStringLiteral("Hi!"));
  EXPECT_EQ(FitChatLine(QString(), metrics, 85), QString());

  // Thirty characters lose twelve and no more, however wide the rest still is.
  const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123");
  EXPECT_EQ(FitChatLine(thirty, metrics, 85), thirty.left(18) + QStringLiteral("..."));

  // A line a little too wide loses just what it takes to fit.
  const QString line = QStringLiteral("Good game, thanks");
  ASSERT_GT(metrics.horizontalAdvance(line), 85);
  const QString fitted = FitChatLine(line, metrics, 85);
  ASSERT_TRUE(fitted.endsWith(QStringLiteral("...")));
  const QString kept = fitted.chopped(3);
  EXPECT_TRUE(line.startsWith(kept));
  EXPECT_LE(metrics.horizontalAdvance(kept), 85);
  EXPECT_GT(metrics.horizontalAdvance(line.left(kept.size() + 1)), 85);
}

TEST(ChatLines, FifthLineMovesTheOthersUp) {
  ChatModel chat;
  for (int i = 1; i <= 3; ++i) chat.Add(i, std::to_string(i));
  EXPECT_EQ(chat.lines[3].text, "");
  chat.Add(4, "4");
  chat.Add(1, "5");
  EXPECT_EQ(chat.lines[0].text, "2");
  EXPECT_EQ(chat.lines[3].text, "5");
  EXPECT_EQ(chat.lines[3].sender, 1);
}

TEST(NamePlates, EachNameKeepsItsOwnFontHeight) {
  for (int window_size : {1, 5}) {
    const Table table(window_size);
    const int scale = window_size == 1 ? 1 : 2;
    const QString long_name = QStringLiteral("Maximilian Alexandrovich");
    const QFont long_font = table.painter.PlateFont(long_name);
    // A short name after a long one is drawn at full height again.
    EXPECT_EQ(table.painter.PlateFont(QStringLiteral("Ann")).pixelSize(), 18 * scale);
    EXPECT_EQ(long_font.pixelSize(), 14 * scale);
    EXPECT_TRUE(long_font.bold());
    // A name that is too wide at 18 but fits at 16 stops there.
    QFont at16 = table.painter.PlateFont(QStringLiteral("Ann"));
    at16.setPixelSize(16 * scale);
    QString name = QStringLiteral("Computer");
    while (QFontMetrics(at16).horizontalAdvance(name + QLatin1Char('x')) <= 150 * scale)
      name += QLatin1Char('x');
    EXPECT_EQ(table.painter.PlateFont(name).pixelSize(), 16 * scale) << name.toStdString();
  }
}

TEST(TablePictures, EveryElementDrawnFromItsPictureAtSizesOneAndFive) {
  for (int window_size : {1, 5}) {
    SCOPED_TRACE(window_size);
    const Table table(window_size);
    const TableLayout& layout = table.layout;
    const QImage felt = table.Felt();
    const QImage playing = table.Paint(FullTable(layout, false));
    const QImage scored = table.Paint(FullTable(layout, true));
    testing::SaveShot(playing, window_size == 1 ? "table_size1" : "table_size5");
    testing::SaveShot(scored, window_size == 1 ? "table_size1_result" : "table_size5_result");

    const auto at = [&layout](const QRect& element, int x, int y) {
      return layout.Inside(element, QPoint(x, y));
    };
    const auto part = [&layout](const QRect& element, const QRect& design) {
      return QRect(layout.Inside(element, design.topLeft()),
                   QSize(layout.Size(design.width()), layout.Size(design.height())));
    };
    // Gold plates, cream panels and frames, each at the element's own place.
    for (int seat = 1; seat <= 2; ++seat) {
      EXPECT_GT(Share(playing, layout.Plate(seat), IsGold), 0.25) << seat;
      EXPECT_GT(Share(playing, layout.Panel(seat), IsCream), 0.6) << seat;
    }
    EXPECT_GT(Share(playing, layout.DealPanel(), IsCream), 0.6);
    EXPECT_GT(Share(playing, layout.ChatHistory(), IsCream), 0.6);
    // The vulnerable seat's zone mark; the move clocks yellow with 8 seconds or more, else red.
    EXPECT_GT(Share(playing, part(layout.Panel(2), {9, 50, 28, 32}), IsRed), 0.3);
    EXPECT_EQ(Share(playing, part(layout.Panel(1), {9, 50, 28, 32}), IsRed), 0.0);
    EXPECT_GT(Share(playing, table.painter.ClockRect(1), IsYellow), 0.3);
    EXPECT_GT(Share(playing, table.painter.ClockRect(2), IsRed), 0.3);
    // The result panel lies over the table centre once the deal is scored.
    EXPECT_GT(Share(scored, layout.Result(), IsCream), 0.6);
    EXPECT_EQ(playing.pixelColor(at(layout.Result(), 170, 115)),
              felt.pixelColor(at(layout.Result(), 170, 115)));
  }
}

TEST(TablePictures, EmptyStockShowsOnlyTheBackground) {
  const Table table(1);
  TableModel model;
  model.stock = 0;
  EXPECT_EQ(table.Paint(model), table.Felt());
  model.stock = 20;
  const QImage pile = table.Paint(model);
  const QPoint middle = table.layout.Stock().center();
  EXPECT_NE(pile.pixelColor(middle), table.Felt().pixelColor(middle));
}

TEST(TablePictures, NoBackgroundLeavesTheWindowSilver) {
  Table table(1);
  table.settings.Background = 0;
  table.painter.Reload(table.settings);
  EXPECT_EQ(table.Felt().pixelColor(10, 10), QColor(192, 192, 192));
}

TEST(TablePictures, PurpleDesignsStandOnThePurplePicture) {
  SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
  Table table(1);
  const QColor felt = table.Felt().pixelColor(30, 30);
  auto menu_at = [&table](QPoint at) {
    QImage image(table.layout.ClientSize(), QImage::Format_RGB32);
    QPainter p(&image);
    table.painter.PaintMenuFelt(p, image.rect());
    p.end();
    return image.pixelColor(at);
  };
  EXPECT_EQ(menu_at(QPoint(30, 30)), felt);  // the customizable menu shows the table's background
  table.settings.MenuDesign = 1;
  table.painter.Reload(table.settings);
  const QColor purple = menu_at(QPoint(30, 30));
  EXPECT_NE(purple, felt);
  EXPECT_GT(purple.blue(), purple.green());
  EXPECT_EQ(table.Felt().pixelColor(30, 30), felt);  // the table keeps its own
  table.settings.TableDesign = 1;
  table.painter.Reload(table.settings);
  EXPECT_EQ(table.Felt().pixelColor(30, 30), purple);
  SetLibraryDirectory(QString());
}

TEST(TitlePicture, MenuPicturesStandBesideTheClubListAtEverySize) {
  for (int window_size : {1, 3, 5}) {
    SCOPED_TRACE(window_size);
    Table table(window_size);
    const TitlePainter title(table.cards, table.layout);
    const double sx = table.layout.Scale().x.Value(), sy = table.layout.Scale().y.Value();
    const QRect left = title.MenuPictureRect(0), right = title.MenuPictureRect(1);
    EXPECT_EQ(left.topLeft(),
              QPoint(int(std::nearbyint((sx - 1) * 80) + std::nearbyint(sx * 7)),
                     int(std::nearbyint((sy - 1) * 100) + std::nearbyint(sy * 290))));
    EXPECT_EQ(right.left(), int(std::nearbyint((sx - 1) * 80) + std::nearbyint(sx * 592)));
    EXPECT_EQ(right.top(), left.top());
    if (window_size == 1) {
      EXPECT_EQ(left, QRect(7, 290, 160, 200));
    }
    // Both are painted: the menu differs from the bare felt inside them.
    QImage menu(table.layout.ClientSize(), QImage::Format_RGB32);
    QPainter m(&menu);
    table.painter.PaintFelt(m, menu.rect());
    title.Paint(m, Screen::Menu, 10, QString(), false);
    m.end();
    const QImage felt = table.Felt();
    for (const QRect& r : {left, right}) {
      int changed = 0;
      for (int y = r.top(); y < r.bottom(); y += 4)
        for (int x = r.left(); x < r.right(); x += 4)
          if (menu.pixel(x, y) != felt.pixel(x, y)) ++changed;
      EXPECT_GT(changed, 100);
    }
  }
}

TEST(TitlePicture, CoversTheClientAreaAtEverySize) {
  for (int window_size : {1, 5}) {
    SCOPED_TRACE(window_size);
    Table table(window_size);
    const TitlePainter title(table.cards, table.layout);
    QImage image(table.layout.ClientSize(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    title.Paint(p, Screen::Title, 10, QStringLiteral("Click or press a key"));
    p.end();
    testing::SaveShot(image, window_size == 1 ? "title_size1" : "title_size5");
    QImage picture;
    ASSERT_TRUE(LoadLibraryPicture(
        window_size == 1 ? QStringLiteral("GTitleSm") : QStringLiteral("GTitleBg"), QString(),
        picture));
    // The picture is made for the sizes 1 and 5, so it lies there pixel for pixel.
    ASSERT_EQ(picture.size(), image.size());
    for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)})
      EXPECT_EQ(image.pixelColor(corner), picture.pixelColor(corner));
    QImage menu(table.layout.ClientSize(), QImage::Format_RGB32);
    QPainter m(&menu);
    table.painter.PaintFelt(m, menu.rect());
    title.Paint(m, Screen::Menu, 10, QStringLiteral("Playing as Ann"));
    m.end();
    testing::SaveShot(menu, window_size == 1 ? "menu_size1" : "menu_size5");
    // The game's name stands in the middle of the menu's top at every size.
    EXPECT_GT(Share(menu, table.layout.Place(QRect(280, 30, 200, 50)), IsGold), 0.1);
    // The animated part lies inside the window and covers the suit row.
    const QRect area = title.AnimatedArea(Screen::Title);
    EXPECT_TRUE(
        QRect(QPoint(0, 0), table.layout.ClientSize()).contains(area.adjusted(1, 1, -1, -1)));
    EXPECT_GT(area.width(), table.layout.Size(150));
  }
}

}  // namespace
}  // namespace quorvex
