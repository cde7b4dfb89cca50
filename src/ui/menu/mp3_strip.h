// The main menu's MP3 strip: play/pause, next (its hint names the track) and the volume picture,
// softer on its left, louder on its right. Greyed while the playlist has too few tracks.
#pragma once

#include <QRect>
#include <QWidget>

namespace quorvex {

class PlaylistPlayer;

class Mp3Strip : public QWidget {
  Q_OBJECT

 public:
  // The design size and the parts' places in it; the menu places the strip scaled.
  static QSize DesignSize() { return {120, 24}; }
  static QRect PlayPart() { return {0, 0, 24, 24}; }
  static QRect NextPart() { return {28, 0, 24, 24}; }
  static QRect VolumePart() { return {58, 0, 62, 24}; }

  explicit Mp3Strip(PlaylistPlayer& playlist, QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Refresh();
  // A point of the widget in design units.
  QPoint Design(QPoint at) const;

  PlaylistPlayer& playlist_;
};

}  // namespace quorvex
