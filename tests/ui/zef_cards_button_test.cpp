// The card-style button as painted: scheme colours, the stretched art of odd heights, the
// pressed offset, the focus outline of both styles and the hover and disabled text colours.
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QGridLayout>
#include <QPainter>
#include <QTest>

#include "shot.h"
#include "ui/art/button_pieces.h"
#include "ui/art/zef_cards_button.h"

namespace quorvex {
namespace {

QColor Colour(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

// Buttons on a plain grey panel, so what is painted is what the button drew.
class ButtonPanel : public QWidget {
 public:
  ButtonPanel() {
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(grey);
    resize(240, 120);
  }
  TZefCardsButton* Add(const QString& text, QRect geometry) {
    auto* button = new TZefCardsButton(text, this);
    button->setGeometry(geometry);
    return button;
  }
  QImage Picture() { return grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

int CountPixels(const QImage& image, const QRect& area, QColor colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour;
  return n;
}

// At an exact height the middle shows every gradient row in order in the scheme's colour,
// lightened when asked, and its bands meet the caps'; pressed, the whole face moves one pixel
// down and right.
TEST(ZefCardsButton, MiddleRowsInTheSchemeColours) {
  const struct {
    ColorSB scheme;
    int klight;
  } cases[] = {
      {ColorSB::DRed, 0}, {ColorSB::DNavy, 0}, {ColorSB::DNavy, 50}, {ColorSB::DGreen, 20}};
  for (const auto& c : cases) {
    ButtonPanel panel;
    TZefCardsButton* button = panel.Add(QString(), QRect(10, 10, 100, 30));
    button->SetScheme(c.scheme);
    button->SetKLightSB(c.klight);
    QImage picture = panel.Picture();
    std::vector<QColor> expected, shown;
    for (Rgb art : ButtonGradient(29))
      expected.push_back(Colour(ButtonPixel(art, c.scheme, c.klight, false)));
    for (int y = 0; y < 30; ++y) {
      const QColor colour = picture.pixelColor(60, 10 + y);
      if (shown.empty() || shown.back() != colour) shown.push_back(colour);
    }
    EXPECT_EQ(shown, expected) << int(c.scheme) << "/" << c.klight;
    for (int y = 8; y < 22; ++y)
      EXPECT_EQ(picture.pixelColor(10 + 7, 10 + y), picture.pixelColor(10 + 8, 10 + y)) << y;
    if (c.scheme == ColorSB::DNavy && c.klight == 0) {
      const QColor blue = picture.pixelColor(60, 10 + 25);
      EXPECT_GT(blue.blue(), 150);
      EXPECT_EQ(blue.red(), 0);
    }
    button->setDown(true);
    const QImage pressed = panel.Picture();
    EXPECT_EQ(pressed.pixelColor(61, 10 + 23), picture.pixelColor(60, 10 + 22));
  }
}

// 35 pixels high: the 44 art's middle piece is stretched, so every middle row shows a colour
// of the 44-row table, never a row drawn from the 29-row one.
TEST(ZefCardsButton, OddHeightStretchesTheMiddlePiece) {
  ButtonPanel panel;
  panel.Add(QString(), QRect(10, 10, 120, 35));
  const QImage picture = panel.Picture();
  const auto art44 = ButtonGradient(44);
  const auto art29 = ButtonGradient(29);
  int only_in_44 = 0;
  for (int y = 0; y < 35; ++y) {
    const QColor shown = picture.pixelColor(70, 10 + y);
    bool found = false, in29 = false;
    for (Rgb c : art44) found = found || Colour(c) == shown;
    for (Rgb c : art29) in29 = in29 || Colour(c) == shown;
    EXPECT_TRUE(found) << "row " << y << " " << shown.name().toStdString();
    only_in_44 += found && !in29;
  }
  EXPECT_GT(only_in_44, 20);
  // The left cap is the 13-wide art drawn 10 wide: its rounded end is there, then the middle.
  const QColor grey(128, 128, 128);
  EXPECT_EQ(picture.pixelColor(10, 10), grey);
  EXPECT_EQ(picture.pixelColor(10 + 10, 10 + 20), picture.pixelColor(70, 10 + 20));
}

// The outline of a focused red button is pale pink in the classic style and yellow in the new.
TEST(ZefCardsButton, FocusOutlineColourFollowsTheStyle) {
  ButtonPanel panel;
  TZefCardsButton* button = panel.Add(QString(), QRect(10, 10, 100, 30));
  TZefCardsButton* other = panel.Add(QString(), QRect(10, 60, 100, 30));
  panel.show();
  panel.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
  button->setFocus();
  ASSERT_TRUE(button->hasFocus());
  // Inset 7 and 4 at height 30: the outline's top edge runs along row 4.
  const QPoint top_edge(10 + 50, 10 + 4);
  EXPECT_EQ(panel.Picture().pixelColor(top_edge), QColor(255, 200, 200));
  button->SetNata(true);
  EXPECT_EQ(panel.Picture().pixelColor(top_edge), QColor(255, 255, 0));
  button->SetKontur(false);
  EXPECT_NE(panel.Picture().pixelColor(top_edge), QColor(255, 255, 0));
  other->setFocus();
  button->SetKontur(true);
  EXPECT_NE(panel.Picture().pixelColor(top_edge), QColor(255, 255, 0));
}

TEST(ZefCardsButton, HoverAndDisabledTextColours) {
  ButtonPanel panel;
  TZefCardsButton* button = panel.Add(QStringLiteral("WWWW"), QRect(10, 10, 140, 45));
  QFont bold = button->font();
  bold.setBold(true);
  bold.setPixelSize(20);
  button->setFont(bold);
  const QColor mouse(0, 255, 0);  // a colour the red art never has
  button->SetColorMouse(mouse);
  button->SetLightFont(true);
  const QRect face(10, 10, 140, 45);

  int entered = 0, left = 0;
  QObject::connect(button, &TZefCardsButton::MouseEnter, [&] { ++entered; });
  QObject::connect(button, &TZefCardsButton::MouseLeave, [&] { ++left; });
  EXPECT_EQ(CountPixels(panel.Picture(), face, mouse), 0);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(button, &enter);
  EXPECT_TRUE(button->MouseInPos());
  EXPECT_GT(CountPixels(panel.Picture(), face, mouse), 20);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(button, &leave);
  EXPECT_FALSE(button->MouseInPos());
  EXPECT_EQ(CountPixels(panel.Picture(), face, mouse), 0);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(left, 1);
  // Without LightFont the mouse changes nothing.
  button->SetLightFont(false);
  QCoreApplication::sendEvent(button, &enter);
  EXPECT_EQ(CountPixels(panel.Picture(), face, mouse), 0);

  const QColor grey(0xC0, 0xC0, 0xC0);
  button->setEnabled(false);
  EXPECT_EQ(CountPixels(panel.Picture(), face, grey), 0);
  button->SetGrayDis(true);
  EXPECT_GT(CountPixels(panel.Picture(), face, grey), 20);
}

TEST(ZefCardsButton, DefaultsAndHeightClass) {
  TZefCardsButton button;
  EXPECT_EQ(button.size(), QSize(100, 30));
  EXPECT_EQ(button.KLightSB(), 0);
  EXPECT_TRUE(button.Kontur());
  EXPECT_TRUE(button.Smooth());
  EXPECT_FALSE(button.Nata());
  button.SetHeight(HeightSB::D60);
  EXPECT_EQ(button.height(), 60);
  button.SetKLightSB(140);
  EXPECT_EQ(button.KLightSB(), 100);
  // The designer's names work as properties too.
  EXPECT_TRUE(button.setProperty("ColorSB", 3));
  EXPECT_EQ(button.Scheme(), ColorSB::DNavy);
}

// Every scheme in both styles, odd heights, a glyph, focus and disabled, for looking at.
TEST(ZefCardsButton, GlyphAndTextAreCentredTogetherWithTheGapOfTheHeight) {
  QPixmap glyph(16, 16);
  glyph.fill(Qt::yellow);
  struct Case {
    int height;
    TZefCardsButton::GlyphSide side;
    int gap;
  } const cases[] = {{30, TZefCardsButton::GlyphSide::Left, 25},
                     {45, TZefCardsButton::GlyphSide::Left, 28},
                     {60, TZefCardsButton::GlyphSide::Right, 30},
                     {35, TZefCardsButton::GlyphSide::Left, 10}};
  for (const Case& c : cases) {
    TZefCardsButton button(QStringLiteral("Download"));
    button.setIcon(QIcon(glyph));
    button.setIconSize(QSize(16, 16));
    button.SetGlyphLayout(c.side);
    button.resize(220, c.height);
    const QRect at = button.GlyphRect();
    const int text = button.fontMetrics().horizontalAdvance(QStringLiteral("Download"));
    const int left =
        c.side == TZefCardsButton::GlyphSide::Left ? at.left() : at.left() - c.gap - text;
    const int right = left + 16 + c.gap + text;
    EXPECT_LE(std::abs(left - (220 - right)), 1) << c.height;
    EXPECT_EQ(at.top(), (c.height - 16) / 2) << c.height;
  }
}

TEST(ZefCardsButton, ALongCaptionIsMadeSmallerToFit) {
  TZefCardsButton button(QString::fromUtf8("Лучшая десятка"));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(16);
  button.setFont(font);
  button.resize(120, 30);
  const QFont fitted = button.FittedFont();
  EXPECT_LT(fitted.pixelSize(), 16);
  EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(button.text()), 120 - 2 * 8);
  button.resize(400, 30);
  EXPECT_EQ(button.FittedFont().pixelSize(), 16);
}

TEST(ZefCardsButton, AGlyphsGapIsKeptWhenTheCaptionIsFitted) {
  // 45 high: caps of 13, a gap of 28 between the glyph and the text.
  QPixmap glyph(16, 16);
  glyph.fill(Qt::yellow);
  TZefCardsButton button(QStringLiteral("Download"));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(16);
  button.setFont(font);
  button.setIcon(QIcon(glyph));
  button.setIconSize(QSize(16, 16));
  button.SetHeight(HeightSB::D45);
  const int text = QFontMetrics(font).horizontalAdvance(button.text());
  // Room for the caption with a narrower gap, not with the gap of its height.
  button.resize(2 * 13 + 16 + 28 + text - 6, 45);
  const QFont fitted = button.FittedFont();
  EXPECT_LT(fitted.pixelSize(), 16);
  const int fitted_text = QFontMetrics(fitted).horizontalAdvance(button.text());
  const QRect at = button.GlyphRect();
  EXPECT_GE(at.left(), 13);
  EXPECT_LE(at.right() + 1 + 28 + fitted_text, button.width() - 13);
}

TEST(ZefCardsButton, ShotOfAllKinds) {
  QWidget sheet;
  sheet.setAutoFillBackground(true);
  QPalette felt = sheet.palette();
  felt.setColor(QPalette::Window, QColor(30, 100, 60));
  sheet.setPalette(felt);
  auto* grid = new QGridLayout(&sheet);
  const char* names[] = {"Red", "Green", "Blue", "Navy", "Yellow", "Violet", "Orange", "Cards"};
  for (int s = 0; s < kColorSchemes; ++s) {
    for (int style = 0; style < 2; ++style) {
      auto* button = new TZefCardsButton(QString::fromLatin1(names[s]));
      button->SetScheme(static_cast<ColorSB>(s));
      button->SetNata(style == 1);
      button->setFixedSize(110, 30);
      grid->addWidget(button, s, style);
    }
  }
  const int heights[] = {20, 35, 45, 60};
  for (int i = 0; i < 4; ++i) {
    auto* button = new TZefCardsButton(QStringLiteral("%1 px").arg(heights[i]));
    button->SetKLightSB(i * 20);
    button->setFixedSize(130, heights[i]);
    grid->addWidget(button, i, 2);
  }
  QPixmap glyph(16, 16);
  glyph.fill(Qt::yellow);
  auto* with_glyph = new TZefCardsButton(QStringLiteral("Glyph"));
  with_glyph->setIcon(QIcon(glyph));
  with_glyph->setFixedSize(130, 30);
  grid->addWidget(with_glyph, 4, 2);
  auto* disabled = new TZefCardsButton(QStringLiteral("Disabled"));
  disabled->SetGrayDis(true);
  disabled->setEnabled(false);
  disabled->setFixedSize(130, 30);
  grid->addWidget(disabled, 5, 2);
  auto* focused = new TZefCardsButton(QStringLiteral("Focused"));
  focused->setFixedSize(130, 45);
  grid->addWidget(focused, 6, 2, 2, 1);
  sheet.show();
  sheet.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
  focused->setFocus();
  const QImage picture = sheet.grab().toImage();
  EXPECT_FALSE(picture.isNull());
  testing::SaveShot(picture, "buttons");
}

}  // namespace
}  // namespace quorvex
