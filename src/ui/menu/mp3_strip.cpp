#include "ui/menu/mp3_strip.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include "ui/media/playlist_player.h"

namespace quorvex {

namespace {

void Key(QPainter& p, const QRectF& r, bool enabled) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, enabled ? QColor(92, 92, 104) : QColor(120, 120, 120));
  g.setColorAt(1, enabled ? QColor(30, 30, 38) : QColor(80, 80, 80));
  p.setBrush(g);
  p.setPen(QPen(QColor(14, 14, 18), 1));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

}  // namespace

Mp3Strip::Mp3Strip(PlaylistPlayer& playlist, QWidget* parent)
    : QWidget(parent), playlist_(playlist) {
  connect(&playlist_, &PlaylistPlayer::changed, this, &Mp3Strip::Refresh);
  Refresh();
}

void Mp3Strip::Refresh() {
  setEnabled(playlist_.Enabled());
  update();
}

QPoint Mp3Strip::Design(QPoint at) const {
  const QSize design = DesignSize();
  return {width() > 0 ? at.x() * design.width() / width() : 0,
          height() > 0 ? at.y() * design.height() / height() : 0};
}

bool Mp3Strip::event(QEvent* event) {
  // Only "next" has a hint: the track that plays.
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (playlist_.Enabled() && NextPart().contains(Design(help->pos()))) {
      QToolTip::showText(help->globalPos(), playlist_.Hint(), this);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void Mp3Strip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QSize design = DesignSize();
  p.scale(qreal(width()) / design.width(), qreal(height()) / design.height());
  const bool on = playlist_.Enabled();
  const QColor ink = on ? QColor(250, 220, 120) : QColor(170, 170, 170);

  const QRectF play(PlayPart());
  Key(p, play, on);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  if (playlist_.Playing()) {
    p.drawRect(QRectF(play.left() + 7, 6, 3.5, 12));
    p.drawRect(QRectF(play.left() + 13.5, 6, 3.5, 12));
  } else {
    QPainterPath triangle;
    triangle.moveTo(play.left() + 8, 5.5);
    triangle.lineTo(play.left() + 18, 12);
    triangle.lineTo(play.left() + 8, 18.5);
    triangle.closeSubpath();
    p.drawPath(triangle);
  }

  const QRectF next(NextPart());
  Key(p, next, on);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  QPainterPath arrows;
  for (qreal x : {next.left() + 5.0, next.left() + 11.0}) {
    arrows.moveTo(x, 6.5);
    arrows.lineTo(x + 7, 12);
    arrows.lineTo(x, 17.5);
    arrows.closeSubpath();
  }
  p.drawPath(arrows);
  p.drawRect(QRectF(next.left() + 18, 6.5, 2, 11));

  // The volume picture: a speaker with "-" on the left, "+" on the right, the level between.
  const QRectF volume(VolumePart());
  Key(p, volume, on);
  p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(volume.left() + 6, 12), QPointF(volume.left() + 14, 12));
  p.drawLine(QPointF(volume.right() - 15, 12), QPointF(volume.right() - 7, 12));
  p.drawLine(QPointF(volume.right() - 11, 8), QPointF(volume.right() - 11, 16));
  const QRectF level(volume.left() + 20, 16, volume.width() - 40, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 120));
  p.drawRect(level);
  p.setBrush(ink);
  p.drawRect(QRectF(level.left(), level.top(), level.width() * playlist_.State().Volume() / 100.0,
                    level.height()));
  QPainterPath speaker;
  const qreal sx = volume.center().x() - 5;
  speaker.moveTo(sx, 8);
  speaker.lineTo(sx + 3, 8);
  speaker.lineTo(sx + 8, 4);
  speaker.lineTo(sx + 8, 15);
  speaker.lineTo(sx + 3, 11);
  speaker.lineTo(sx, 11);
  speaker.closeSubpath();
  p.drawPath(speaker);
}

void Mp3Strip::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !playlist_.Enabled()) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const QPoint at = Design(event->position().toPoint());
  if (PlayPart().contains(at)) {
    playlist_.TogglePlaylist();
  } else if (NextPart().contains(at)) {
    playlist_.NextTrack();
  } else if (VolumePart().contains(at)) {
    playlist_.PlaylistVolume(at.x() - VolumePart().left());
  }
}

}  // namespace quorvex
