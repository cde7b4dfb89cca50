#include "ui/dialogs/design_icon.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QWidget>

#include "art/library_rules.h"
#include "ui/art/resource_library.h"

namespace quorvex {

DesignIcon::DesignIcon(const QString& name, QPoint at, QWidget* window)
    : QObject(window), at_(at), window_(window) {
  GifPicture gif;
  if (LoadLibraryPicture(name, QString::fromLatin1(kGraphicsLibrary), gif)) {
    QBuffer data(&gif.data);
    data.open(QIODevice::ReadOnly);
    QImageReader reader(&data, "gif");
    // A damaged animation keeps the frames read before the damage.
    for (QImage frame = reader.read(); !frame.isNull() && frames_.size() < 256;
         frame = reader.read())
      frames_.push_back(frame);
  }
  timer_.setInterval(60);
  connect(&timer_, &QTimer::timeout, this, [this] {
    frame_ = (frame_ + 1) % frames_.size();
    window_->update(QRect(at_, frames_[frame_].size()));
  });
}

void DesignIcon::SetRunning(bool running) {
  if (running && !frames_.empty()) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

void DesignIcon::Paint(QPainter& painter) const {
  if (timer_.isActive()) painter.drawImage(at_, frames_[frame_]);
}

}  // namespace quorvex
