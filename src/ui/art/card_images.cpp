#include "ui/art/card_images.h"

#include <QPainter>
#include <QPainterPath>

#include "art/card_names.h"
#include "art/face_pixels.h"
#include "ui/art/resource_library.h"

namespace quorvex {

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

PixelRows Rows(QImage& image) {
  return {reinterpret_cast<uint32_t*>(image.bits()), image.width(), image.height(),
          static_cast<int>(image.bytesPerLine() / 4)};
}

// A picture of the stored size; anything else a library holds is scaled to it.
QImage ToSize(QImage image, PixelSize size) {
  if (image.isNull() || (image.width() == size.width && image.height() == size.height))
    return image;
  return image.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage ForDrawing(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The one-pixel black frame of a normal card, its corners cut by a diagonal pixel.
void DrawOutline(QPainter& p, int x, int y, int w, int h) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(x + 2, y, x + w - 3, y);
  p.drawLine(x + 2, y + h - 1, x + w - 3, y + h - 1);
  p.drawLine(x, y + 2, x, y + h - 3);
  p.drawLine(x + w - 1, y + 2, x + w - 1, y + h - 3);
  p.drawPoint(x + 1, y + 1);
  p.drawPoint(x + w - 2, y + 1);
  p.drawPoint(x + 1, y + h - 2);
  p.drawPoint(x + w - 2, y + h - 2);
  p.restore();
}

int ClampedDesign(int value, int count) {
  return value >= 0 && value < count ? value : 0;
}

}  // namespace

CardImages::CardImages(Settings& settings) : settings_(settings) {}

void CardImages::SetWindow(int window_size, const WindowScale& scale) {
  window_size_ = window_size;
  scale_ = scale.size;
}

bool CardImages::LoadCardFaces() {
  bool ok = true;
  int design = ClampedDesign(settings_.CardFaceSet, kFaceDesigns);
  settings_.CardFaceSet = design;
  const QString library = Q(FaceLibrary(design));
  auto lib = std::make_unique<ResourceLibrary>(library);
  if (!lib->IsOpen()) {
    ShowMissingLibrary(library);
    ok = false;
    design = settings_.CardFaceSet = 0;
    lib = std::make_unique<ResourceLibrary>(QString());
  }
  const int size_class = CardSizeClass(scale_);
  const bool normal = size_class == kNormalSize;
  const bool wide = quorvex::WideFaces(design);
  const int stored_class = normal ? kNormalSize : 2;
  // The classic faces of the normal size are the program's plain bitmaps.
  const QString type = design == 0 && normal ? QStringLiteral("BITMAP") : QStringLiteral("RCDATA");
  faces_.fill(QImage());
  for (int n = 1; n <= 52; ++n) {
    const TCard card = DeckCard(n);
    QImage face = ToSize(lib->Picture(type, Q(FaceResourceName(card, design, stored_class))),
                         StoredFaceSize(stored_class, wide));
    // The libraries keep the middle of every face inverted; inverting it again restores it.
    if (design != 0 && !face.isNull()) InvertEllipse(Rows(face), FaceEllipse(stored_class, wide));
    faces_[CardSlot(card)] = ForDrawing(face);
  }
  for (int suit = 0; suit < 4; ++suit) {
    const QString symbol_type =
        design == 0 && normal ? QStringLiteral("BITMAP") : QStringLiteral("RCDATA");
    QImage symbol = lib->Picture(symbol_type, Q(SuitSymbolName(suit, design, stored_class)));
    QImage big = lib->Picture(QStringLiteral("RCDATA"), Q(SuitSymbolName(suit, design, 2)));
    if (design == kFilledSymbolDesign && suit == 1) {
      for (QImage* picture : {&symbol, &big})
        if (!picture->isNull()) FloodFill(Rows(*picture), 0, 0, kSymbolGrey, kSilver);
    }
    symbols_[suit] = ForDrawing(symbol);
    big_symbols_[suit] = ForDrawing(big);
  }
  lib.reset();

  wide_ = wide;
  size_class_ = size_class;
  cell_ = CardCell(size_class, wide, scale_);
  layout_offset_ = quorvex::LayoutOffset(wide, window_size_);
  resampled_.clear();
  return LoadCardBacks() && ok;
}

bool CardImages::LoadCardBacks() {
  bool ok = true;
  bool wide_names = wide_;
  int deck = ClampedDesign(settings_.DeckSet, kBackDesigns);
  settings_.DeckSet = deck;
  const QString library = Q(BackLibrary(deck, wide_, size_class_));
  auto lib = std::make_unique<ResourceLibrary>(library);
  if (!lib->IsOpen()) {
    ShowMissingLibrary(library);
    settings_.DeckSet = 0;
    if (deck == 0) {
      // Only the narrow big classic backs live in the library: go back to the classic faces,
      // whose backs are built in.
      settings_.CardFaceSet = 0;
      LoadCardFaces();
      return false;
    }
    deck = 0;
    ok = false;
    lib = std::make_unique<ResourceLibrary>(Q(BackLibrary(deck, wide_, size_class_)));
    if (!lib->IsOpen()) {
      // The classic backs of narrow faces at the big sizes live in the missing library too:
      // the built-in ones of wide faces stand in, fitted to the cell when drawn, so that there
      // is always a back to draw.
      lib = std::make_unique<ResourceLibrary>(QString());
      wide_names = true;
    }
  }
  const bool normal = size_class_ == kNormalSize;
  const int stored_class = normal ? kNormalSize : 2;
  const QString type = deck == 0 && normal ? QStringLiteral("BITMAP") : QStringLiteral("RCDATA");
  backs_.fill(QImage());
  rotated_backs_.fill(QImage());
  for (int number = 1; number <= BackCount(deck); ++number) {
    backs_[number] = ForDrawing(ToSize(
        lib->Picture(type, Q(BackResourceName(number, deck, false, stored_class, wide_names))),
        StoredBackSize(stored_class, wide_names, false)));
    rotated_backs_[number] = ForDrawing(ToSize(
        lib->Picture(type, Q(BackResourceName(number, deck, true, stored_class, wide_names))),
        StoredBackSize(stored_class, wide_names, true)));
  }
  if (back_number_ > BackCount(deck)) back_number_ = 1;
  resampled_.clear();
  return ok;
}

void CardImages::ChooseBack(int weekday, Random& random) {
  back_number_ = ChooseBackNumber(settings_.DeckSet, settings_.DeckAlwaysOne, weekday, random);
}

const QImage& CardImages::FaceImage(const TCard& card) const {
  return faces_[CardSlot(card)];
}

const QImage& CardImages::Back(int number, bool rotated) const {
  const int n = number >= 1 && number <= kMaxBacks ? number : 0;
  return rotated ? rotated_backs_[n] : backs_[n];
}

const QImage& CardImages::Resampled(const QImage& picture, PixelSize cell) const {
  const qint64 key = picture.cacheKey();
  auto it = resampled_.find(key);
  if (it != resampled_.end()) return it->second;
  // Smoothly to the cell, then everything outside a rounded rectangle left clear.
  QImage out(cell.width, cell.height, QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  QPainter p(&out);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const double radius = BigCornerSize(scale_) / 2.0;
  QPainterPath clip;
  clip.addRoundedRect(QRectF(0, 0, cell.width, cell.height), radius, radius);
  p.setClipPath(clip);
  p.drawImage(QRectF(0, 0, cell.width, cell.height), picture);
  p.end();
  return resampled_.emplace(key, std::move(out)).first->second;
}

void CardImages::DrawInCell(int x, int y, const QImage& picture, PixelSize cell,
                            QPainter& target) const {
  if (picture.isNull()) return;
  if (picture.width() == cell.width && picture.height() == cell.height) {
    target.drawImage(x, y, picture);
  } else {
    target.drawImage(x, y, Resampled(picture, cell));
  }
}

const QImage& CardImages::SpecialPicture(const std::string& name) const {
  auto it = specials_.find(name);
  if (it == specials_.end()) {
    QImage picture;
    LoadLibraryPicture(Q(name), QString(), picture);
    it = specials_.emplace(name, ForDrawing(picture)).first;
  }
  return it->second;
}

void CardImages::DrawCard(int x, int y, const TCard& card, QPainter& target) const {
  const std::string special = SpecialCardPicture(card, size_class_);
  if (!special.empty()) {
    const QImage& picture = SpecialPicture(special);
    if (!picture.isNull()) target.drawImage(QRect(x, y, cell_.width, cell_.height), picture);
    return;
  }
  const int slot = CardSlot(card);
  if (slot == 0) return;
  if (size_class_ == kNormalSize) {
    DrawOutline(target, x, y, cell_.width, cell_.height);
    if (!faces_[slot].isNull()) target.drawImage(x + 1, y + 1, faces_[slot]);
    return;
  }
  DrawInCell(x, y, faces_[slot], cell_, target);
}

void CardImages::DrawBack(int x, int y, QPainter& target, bool rotated) const {
  const QImage& back = Back(back_number_, rotated);
  const PixelSize cell = rotated ? PixelSize{cell_.height, cell_.width} : cell_;
  if (size_class_ == kNormalSize) {
    DrawOutline(target, x, y, cell.width, cell.height);
    if (!back.isNull()) target.drawImage(x + 1, y + 1, back);
    return;
  }
  DrawInCell(x, y, back, cell, target);
}

}  // namespace quorvex
