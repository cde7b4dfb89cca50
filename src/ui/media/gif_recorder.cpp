#include "ui/media/gif_recorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "settings/safe_file_write.h"
#include "ui/media/gif_writer.h"

namespace quorvex {

namespace {

// The smallest rectangle outside which two pictures of one size agree; empty when equal.
QRect ChangedRect(const QImage& a, const QImage& b) {
  const int w = a.width(), h = a.height();
  const size_t row_bytes = static_cast<size_t>(w) * 4;
  int top = -1, bottom = -1;
  for (int y = 0; y < h; ++y) {
    if (std::memcmp(a.constScanLine(y), b.constScanLine(y), row_bytes) != 0) {
      if (top < 0) top = y;
      bottom = y;
    }
  }
  if (top < 0) return {};
  int left = w, right = -1;
  for (int y = top; y <= bottom; ++y) {
    const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < left; ++x)
      if (pa[x] != pb[x]) {
        left = x;
        break;
      }
    for (int x = w - 1; x > right; --x)
      if (pa[x] != pb[x]) {
        right = x;
        break;
      }
  }
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

Rgb PixelAt(const QRgb p) {
  return {static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)),
          static_cast<uint8_t>(qBlue(p))};
}

int Centiseconds(int ms) {
  return (ms + 5) / 10;
}

}  // namespace

void GifRecorder::SetFrameDelayMs(int ms) {
  delay_ms_ = std::clamp(ms, 10, 5000);
}

void GifRecorder::Clear() {
  frames_.clear();
  last_ = QImage();
  histogram_.Clear();
}

QImage GifRecorder::Normalised(const QImage& picture) const {
  QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  if (!last_.isNull() && rgb.size() != last_.size()) {
    // Pixels outside the picture come out black.
    QImage fitted(last_.size(), QImage::Format_RGB32);
    fitted.fill(Qt::black);
    for (int y = 0; y < std::min(rgb.height(), fitted.height()); ++y)
      std::memcpy(fitted.scanLine(y), rgb.constScanLine(y),
                  static_cast<size_t>(std::min(rgb.width(), fitted.width())) * 4);
    rgb = fitted;
  }
  return rgb;
}

void GifRecorder::Count(const QImage& pixels) {
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    for (int x = 0; x < pixels.width(); ++x) histogram_.Add(PixelAt(line[x]));
  }
}

void GifRecorder::Append(const QImage& picture, const QRect& changed) {
  Frame frame{changed, picture.copy(changed)};
  Count(frame.pixels);
  frames_.push_back(std::move(frame));
  last_ = picture;
}

bool GifRecorder::AddCapture(const QImage& picture) {
  if (picture.isNull() || FrameCount() >= kMaxFrames) return false;
  const QImage rgb = Normalised(picture);
  const QRect changed = last_.isNull() ? rgb.rect() : ChangedRect(rgb, last_);
  if (changed.isEmpty()) return false;
  Append(rgb, changed);
  return true;
}

bool GifRecorder::AddFinalCapture(const QImage& picture) {
  if (FrameCount() < kMaxFrames) return AddCapture(picture);
  if (picture.isNull()) return false;
  const QImage rgb = Normalised(picture);
  const QRect changed = ChangedRect(rgb, last_);
  if (changed.isEmpty()) return false;
  // The replaced frame's own change must be redone too: before it, the picture differed from
  // last_ only inside its rectangle.
  const QRect rect = changed.united(frames_.back().rect);
  frames_.pop_back();
  Append(rgb, rect);
  return true;
}

QByteArray GifRecorder::Encode(QString* error) const {
  if (frames_.empty()) {
    if (error) *error = QStringLiteral("Nothing was recorded");
    return {};
  }
  const Palette palette = MedianCutPalette(histogram_);
  GifWriter writer;
  bool ok = writer.Begin(last_.width(), last_.height(), palette.colours);
  std::vector<uint8_t> indices;
  for (size_t i = 0; ok && i < frames_.size(); ++i) {
    const Frame& frame = frames_[i];
    indices.resize(static_cast<size_t>(frame.rect.width()) * frame.rect.height());
    auto out = indices.begin();
    for (int y = 0; y < frame.pixels.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(frame.pixels.constScanLine(y));
      for (int x = 0; x < frame.pixels.width(); ++x) *out++ = palette.IndexOf(PixelAt(line[x]));
    }
    const bool last = i + 1 == frames_.size();
    ok = writer.AddFrame(frame.rect, indices, Centiseconds(last ? kLastFrameDelayMs : delay_ms_));
  }
  ok = ok && writer.Finish();
  if (!ok) {
    if (error) *error = writer.Error();
    return {};
  }
  return writer.Bytes();
}

QString GifRecorder::Save(const QString& folder, const CivilTime& now, QString* error) const {
  const QByteArray bytes = Encode(error);
  if (bytes.isEmpty()) return {};
  const QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) {
    if (error) *error = QStringLiteral("Cannot create the folder %1").arg(folder);
    return {};
  }
  QString path;
  for (int attempt = 1; path.isEmpty() && attempt <= 100; ++attempt) {
    const QString name = dir.filePath(QString::fromStdString(RecordingFileName(now, attempt)));
    if (!QFileInfo::exists(name)) path = name;
  }
  if (path.isEmpty()) {
    if (error) *error = QStringLiteral("No free file name in %1").arg(folder);
    return {};
  }
  // Written aside and renamed, so a full disk or a kill leaves no broken file behind.
  if (!ReplaceFileContents(QFile::encodeName(path).toStdString(),
                           std::string_view(bytes.constData(), size_t(bytes.size())))) {
    if (error) *error = QStringLiteral("Cannot write %1").arg(path);
    return {};
  }
  return path;
}

}  // namespace quorvex
