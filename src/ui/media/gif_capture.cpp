#include "ui/media/gif_capture.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/media/gif_banner.h"

namespace quorvex {

QString DefaultRecordingFolder() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kRecordingFolder));
}

CivilTime CivilTimeNow() {
  const QDateTime now = QDateTime::currentDateTime();
  return {now.date().year(), now.date().month(),  now.date().day(),
          now.time().hour(), now.time().minute(), now.time().second()};
}

GifCapture::GifCapture(QWidget* window)
    : QObject(window), window_(window), banner_(new GifBanner(window)) {
  timer_.setInterval(kIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &GifCapture::CaptureNow);
}

GifCapture::~GifCapture() = default;

void GifCapture::Start(GifArea area, int frame_delay_ms) {
  area_ = area;
  recorder_.Clear();
  recorder_.SetFrameDelayMs(frame_delay_ms);
  timer_.start();
}

void GifCapture::Stop() {
  timer_.stop();
}

QImage GifCapture::Grab() const {
  if (area_ == GifArea::Screen) {
    if (QScreen* screen = window_->screen()) {
      const QRect frame = window_->frameGeometry();
      const QPixmap shot =
          screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
      // Some window systems do not hand out the screen; the window itself is the next best.
      if (!shot.isNull()) return shot.toImage();
    }
  }
  return window_->grab().toImage();
}

void GifCapture::CaptureNow() {
  recorder_.AddCapture(Grab());
}

GifCapture::Result GifCapture::Finish(bool final_capture, const QString& folder,
                                      const CivilTime& now) {
  // The last picture is taken before the banner goes up, so the banner is never recorded.
  if (final_capture) recorder_.AddFinalCapture(Grab());
  timer_.stop();
  Result result;
  if (!recorder_.Empty()) {
    banner_->ShowNow();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    result.path = recorder_.Save(folder, now, &result.error);
    result.saved = !result.path.isEmpty();
    QGuiApplication::restoreOverrideCursor();
    banner_->hide();
  }
  recorder_.Clear();
  return result;
}

}  // namespace quorvex
