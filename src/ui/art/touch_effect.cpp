#include "ui/art/touch_effect.h"

#include <QBuffer>
#include <QMovie>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "art/library_rules.h"
#include "ui/art/resource_library.h"

namespace quorvex {

namespace {
// The animation loops for ever in its file; the ripple is shown once and never longer than this.
constexpr int kLongestMs = 2000;

// Read once per run when the library is there; a missing library is looked for again next time,
// so one downloaded meanwhile is picked up.
const QByteArray& TouchAnimation() {
  static QByteArray data;
  if (data.isEmpty()) {
    GifPicture gif;
    if (LoadLibraryPicture(QString::fromLatin1(kTouchEffect), QString::fromLatin1(kGraphicsLibrary),
                           gif))
      data = gif.data;
  }
  return data;
}
}  // namespace

TouchEffect* TouchEffect::Play(QWidget* window, QPoint centre) {
  if (!window) return nullptr;
  const QByteArray& data = TouchAnimation();
  if (data.isEmpty()) return nullptr;
  auto* buffer = new QBuffer;
  buffer->setData(data);
  auto* movie = new QMovie(buffer, QByteArray("gif"));
  buffer->setParent(movie);
  if (!movie->isValid() || !movie->jumpToFrame(0)) {
    delete movie;
    return nullptr;
  }
  auto* effect = new TouchEffect(window, movie);
  const QSize size = movie->currentImage().size();
  effect->setGeometry(QRect(centre - QPoint(size.width() / 2, size.height() / 2), size));
  effect->show();
  effect->raise();
  movie->start();
  return effect;
}

TouchEffect::TouchEffect(QWidget* window, QMovie* movie) : QWidget(window), movie_(movie) {
  setObjectName(QStringLiteral("TouchEffect"));
  // Only a picture over the window: clicks go through to what lies beneath.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  movie_->setParent(this);
  connect(movie_, &QMovie::frameChanged, this, &TouchEffect::FrameShown);
  connect(movie_, &QMovie::finished, this, &QObject::deleteLater);
  QTimer::singleShot(kLongestMs, this, &QObject::deleteLater);
}

void TouchEffect::FrameShown(int frame) {
  update();
  const int last = movie_->frameCount() - 1;
  if (last > 0 && frame == last) {
    // The last frame stays for its own delay, then the ripple is gone.
    const int delay = movie_->nextFrameDelay();
    movie_->setPaused(true);
    QTimer::singleShot(std::max(delay, 10), this, &QObject::deleteLater);
  }
}

void TouchEffect::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, movie_->currentPixmap());
}

}  // namespace quorvex
