// TZefCardsButton: the program's prominent button. It paints itself from three pieces of red
// art (left cap, middle, right cap) turned into one of eight colour schemes, in the classic
// rounded or the new square style, with a hover text colour, a focus outline and a glyph.
#pragma once

#include <QColor>
#include <QPushButton>
#include <functional>

#include "art/button_layout.h"

namespace quorvex {

class TZefCardsButton : public QPushButton {
  Q_OBJECT
  Q_PROPERTY(int ColorSB READ ColorScheme WRITE SetColorScheme)
  Q_PROPERTY(QColor ColorMouse READ ColorMouse WRITE SetColorMouse)
  Q_PROPERTY(bool LightFont READ LightFont WRITE SetLightFont)
  Q_PROPERTY(bool GrayDis READ GrayDis WRITE SetGrayDis)
  Q_PROPERTY(int HeightSB READ HeightClass WRITE SetHeightClass)
  Q_PROPERTY(int KLightSB READ KLightSB WRITE SetKLightSB)
  Q_PROPERTY(bool Kontur READ Kontur WRITE SetKontur)
  Q_PROPERTY(bool Smooth READ Smooth WRITE SetSmooth)
  Q_PROPERTY(bool Nata READ Nata WRITE SetNata)

 public:
  enum class GlyphSide { Left, Right };
  // What the owner's drawing callback is told about the button's state.
  struct DrawState {
    bool down = false;
    bool focused = false;
    bool disabled = false;
    bool mouse_in = false;
  };
  using DrawCallback = std::function<void(QPainter&, const QRect&, const DrawState&)>;

  explicit TZefCardsButton(QWidget* parent = nullptr);
  TZefCardsButton(const QString& text, QWidget* parent = nullptr);

  quorvex::ColorSB Scheme() const { return scheme_; }
  void SetScheme(quorvex::ColorSB scheme);
  int ColorScheme() const { return static_cast<int>(scheme_); }
  void SetColorScheme(int scheme);  // 0..7, others ignored

  QColor ColorMouse() const { return colour_mouse_; }
  void SetColorMouse(const QColor& colour);
  bool LightFont() const { return light_font_; }
  void SetLightFont(bool on);
  bool GrayDis() const { return gray_dis_; }
  void SetGrayDis(bool on);
  // The nominal height class; choosing one makes the button 30, 45 or 60 high.
  quorvex::HeightSB Height() const { return height_sb_; }
  void SetHeight(quorvex::HeightSB height);
  int HeightClass() const { return static_cast<int>(height_sb_); }
  void SetHeightClass(int height);
  int KLightSB() const { return klight_; }
  void SetKLightSB(int percent);  // clamped to 0..100
  bool Kontur() const { return kontur_; }
  void SetKontur(bool on);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool on);
  bool Nata() const { return nata_; }
  void SetNata(bool on);
  GlyphSide GlyphLayout() const { return glyph_side_; }
  void SetGlyphLayout(GlyphSide side);

  bool MouseInPos() const { return mouse_in_; }
  // Called after the built-in painting, before the focus outline.
  void SetOnDrawButton(DrawCallback callback) { on_draw_ = std::move(callback); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // The text colour the button shows now: grey when disabled with GrayDis, ColorMouse under the
  // mouse with LightFont, the font colour otherwise.
  QColor TextColour() const;

 signals:
  void MouseEnter();
  void MouseLeave();

 public:
  // Where the glyph is drawn: it and the text are centred together, the gap of the height
  // class between them. Null without a glyph.
  QRect GlyphRect() const;
  // The font the caption is drawn in: the button's, smaller when the caption would not fit.
  QFont FittedFont() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Init();
  QImage Face() const;

  quorvex::ColorSB scheme_ = quorvex::ColorSB::DRed;
  QColor colour_mouse_{255, 255, 0};
  bool light_font_ = false;
  bool gray_dis_ = false;
  quorvex::HeightSB height_sb_ = quorvex::HeightSB::D30;
  int klight_ = 0;
  bool kontur_ = true;
  bool smooth_ = true;
  bool nata_ = false;
  bool mouse_in_ = false;
  GlyphSide glyph_side_ = GlyphSide::Left;
  DrawCallback on_draw_;
};

}  // namespace quorvex
