#include "ui/art/zef_cards_button.h"

#include <QEnterEvent>
#include <QPainter>
#include <algorithm>

#include "ui/art/button_pieces.h"

namespace quorvex {

namespace {

constexpr int kDefaultWidth = 100;
constexpr QColor kGreyText{0xC0, 0xC0, 0xC0};

QColor ToQColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

}  // namespace

TZefCardsButton::TZefCardsButton(QWidget* parent) : QPushButton(parent) {
  Init();
}

TZefCardsButton::TZefCardsButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  Init();
}

void TZefCardsButton::Init() {
  // The art is dark; its captions are white unless the owner says otherwise.
  QPalette colours = palette();
  colours.setColor(QPalette::ButtonText, Qt::white);
  setPalette(colours);
  setAttribute(Qt::WA_Hover);
  resize(kDefaultWidth, NominalHeight(height_sb_));
}

void TZefCardsButton::SetScheme(quorvex::ColorSB scheme) {
  scheme_ = scheme;
  update();
}

void TZefCardsButton::SetColorScheme(int scheme) {
  if (scheme >= 0 && scheme < kColorSchemes) SetScheme(static_cast<quorvex::ColorSB>(scheme));
}

void TZefCardsButton::SetColorMouse(const QColor& colour) {
  colour_mouse_ = colour;
  update();
}

void TZefCardsButton::SetLightFont(bool on) {
  light_font_ = on;
  update();
}

void TZefCardsButton::SetGrayDis(bool on) {
  gray_dis_ = on;
  update();
}

void TZefCardsButton::SetHeight(quorvex::HeightSB height) {
  height_sb_ = height;
  resize(width(), NominalHeight(height));
  updateGeometry();
  update();
}

void TZefCardsButton::SetHeightClass(int height) {
  if (height >= 0 && height <= 2) SetHeight(static_cast<quorvex::HeightSB>(height));
}

void TZefCardsButton::SetKLightSB(int percent) {
  klight_ = std::clamp(percent, 0, 100);
  update();
}

void TZefCardsButton::SetKontur(bool on) {
  kontur_ = on;
  update();
}

void TZefCardsButton::SetSmooth(bool on) {
  smooth_ = on;
  update();
}

void TZefCardsButton::SetNata(bool on) {
  nata_ = on;
  update();
}

void TZefCardsButton::SetGlyphLayout(GlyphSide side) {
  glyph_side_ = side;
  update();
}

QSize TZefCardsButton::sizeHint() const {
  // Wide enough for the caption between the caps, and the glyph with its gap.
  const int h = NominalHeight(height_sb_);
  const ButtonLayout plan = PlanButton(h, nata_, scheme_, smooth_);
  int w = fontMetrics().horizontalAdvance(QString(text()).remove(QLatin1Char('&'))) +
          2 * plan.cap_width + 16;
  if (!icon().isNull()) w += 2 * (iconSize().width() + plan.glyph_gap);
  return QSize(std::max(kDefaultWidth, w), h);
}

QSize TZefCardsButton::minimumSizeHint() const {
  return QSize(2 * ArtCapWidth(NominalHeight(height_sb_) - 1), NominalHeight(height_sb_));
}

QColor TZefCardsButton::TextColour() const {
  if (!isEnabled() && gray_dis_) return kGreyText;
  if (light_font_ && mouse_in_) return colour_mouse_;
  return palette().color(QPalette::Active, QPalette::ButtonText);
}

QImage TZefCardsButton::Face() const {
  const int w = width(), h = height();
  const ButtonLayout plan = PlanButton(h, nata_, scheme_, smooth_);
  const ButtonPieces& pieces = RecolouredPieces(nata_, plan.art_height, scheme_, klight_);
  QImage face(w, h, QImage::Format_ARGB32_Premultiplied);
  face.fill(Qt::transparent);
  QPainter painter(&face);

  // Caps, stretched or resampled smoothly to the button's height.
  const Qt::TransformationMode mode =
      plan.smooth_caps ? Qt::SmoothTransformation : Qt::FastTransformation;
  const int cap = std::min(plan.cap_width, w / 2 + 1);
  painter.drawImage(0, 0, pieces.left.scaled(cap, h, Qt::IgnoreAspectRatio, mode));
  painter.drawImage(w - cap, 0, pieces.right.scaled(cap, h, Qt::IgnoreAspectRatio, mode));

  // Middle: the classic gradient row by row, or the stretched piece. The art is one row shorter
  // than the button, so the rows are spread over the height exactly as the caps were stretched,
  // or the bands would not meet the caps'.
  const int middle = w - 2 * cap;
  if (middle > 0) {
    if (plan.gradient_middle && !pieces.gradient.empty()) {
      QImage rows(1, static_cast<int>(pieces.gradient.size()), QImage::Format_RGB32);
      for (int y = 0; y < rows.height(); ++y) rows.setPixel(0, y, pieces.gradient[y]);
      rows = rows.scaled(1, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
      for (int y = 0; y < h; ++y)
        painter.fillRect(cap, y, middle, 1, QColor::fromRgb(rows.pixel(0, y)));
    } else {
      painter.drawImage(QRect(cap, 0, middle, h), pieces.middle);
    }
  }

  return face;
}

QFont TZefCardsButton::FittedFont() const {
  // A caption longer than the space between the caps (a long translation) is made smaller
  // rather than cut.
  QFont fitted = font();
  QString shown = text();
  shown.remove(QLatin1Char('&'));
  const ButtonLayout plan = PlanButton(height(), nata_, scheme_, smooth_);
  // The glyph and its gap share the room with the text.
  const int room =
      width() - 2 * plan.cap_width - (icon().isNull() ? 0 : iconSize().width() + plan.glyph_gap);
  if (fitted.pixelSize() <= 0) return fitted;
  while (fitted.pixelSize() > 8 && QFontMetrics(fitted).horizontalAdvance(shown) > room)
    fitted.setPixelSize(fitted.pixelSize() - 1);
  return fitted;
}

QRect TZefCardsButton::GlyphRect() const {
  if (icon().isNull()) return {};
  const QSize size = iconSize().boundedTo(this->size());
  const int gap = PlanButton(height(), nata_, scheme_, smooth_).glyph_gap;
  QString shown = text();
  shown.remove(QLatin1Char('&'));
  const int text_width = QFontMetrics(FittedFont()).horizontalAdvance(shown);
  const int block = size.width() + gap + text_width;
  const int start = (width() - block) / 2;
  const int x = glyph_side_ == GlyphSide::Left ? start : start + text_width + gap;
  return QRect(QPoint(x, (height() - size.height()) / 2), size);
}

void TZefCardsButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool down = isDown();
  const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
  painter.drawImage(shift, Face());

  // The text on one line, centred over the art; the square style sits a pixel higher. A glyph
  // and the text are centred together, the height class's gap between them.
  painter.setFont(FittedFont());
  painter.setPen(TextColour());
  QRect text_area = rect().translated(shift).translated(0, nata_ ? -1 : 0);
  int text_flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
  if (const QRect glyph = GlyphRect(); !glyph.isNull()) {
    const QPixmap picture = icon().pixmap(glyph.size(), devicePixelRatioF(),
                                          isEnabled() ? QIcon::Normal : QIcon::Disabled);
    painter.drawPixmap(glyph.translated(shift).topLeft(), picture);
    const int gap = PlanButton(height(), nata_, scheme_, smooth_).glyph_gap;
    if (glyph_side_ == GlyphSide::Left) {
      text_area.setLeft(glyph.right() + 1 + gap + shift.x());
    } else {
      text_area.setRight(glyph.left() - 1 - gap + shift.x());
    }
    text_flags = Qt::AlignVCenter |
                 (glyph_side_ == GlyphSide::Left ? Qt::AlignLeft : Qt::AlignRight) |
                 Qt::TextSingleLine | Qt::TextShowMnemonic;
  }
  painter.drawText(text_area, text_flags, text());

  const DrawState state{down, hasFocus(), !isEnabled(), mouse_in_};
  if (on_draw_) on_draw_(painter, rect(), state);

  if (hasFocus() && kontur_) {
    const ButtonLayout plan = PlanButton(height(), nata_, scheme_, smooth_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(FocusOutlineColour(scheme_, nata_)), 1));
    painter.setBrush(Qt::NoBrush);
    const QRectF outline(plan.outline_dx + 0.5, plan.outline_dy + 0.5,
                         width() - 2 * plan.outline_dx - 1, height() - 2 * plan.outline_dy - 1);
    // The corner size is the ellipse's diameter.
    const qreal radius = plan.outline_corner / 2.0;
    painter.drawRoundedRect(outline.translated(shift), radius, radius);
  }
}

void TZefCardsButton::enterEvent(QEnterEvent* event) {
  mouse_in_ = true;
  update();
  emit MouseEnter();
  QPushButton::enterEvent(event);
}

void TZefCardsButton::leaveEvent(QEvent* event) {
  mouse_in_ = false;
  update();
  emit MouseLeave();
  QPushButton::leaveEvent(event);
}

void TZefCardsButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange ||
      event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
    update();
  QPushButton::changeEvent(event);
}

}  // namespace quorvex
