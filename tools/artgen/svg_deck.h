// A Debian card deck in SVG: one element per card ("king_heart" in the KDE decks,
// "heart_king" in the GNOME ones) and one "back".
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QSvgRenderer>
#include <memory>

namespace artgen {

class SvgDeck {
 public:
  enum class Naming { kKde, kGnome };
  SvgDeck(const QString& path, Naming naming);

  bool Valid() const { return renderer_->isValid(); }
  QString Path() const { return path_; }

  // The card scaled (stretched if need be) to the size; `bleed` > 0 renders it that many
  // pixels larger on every side, so its own edge falls outside the picture.
  QImage Card(int rank, int suit, QSize size, double bleed) const;
  QImage Back(QSize size, double bleed) const;
  QString CardId(int rank, int suit) const;

 private:
  QImage Render(const QString& id, QSize size, double bleed) const;

  QString path_;
  Naming naming_;
  std::unique_ptr<QSvgRenderer> renderer_;
};

}  // namespace artgen
