// The frames of a deal recorded as an animated GIF. Each capture of the window becomes a frame
// only when it differs from the last one, up to 250 frames; a frame keeps only the rectangle it
// changes, so a long deal costs little memory. Saving makes one palette from every colour shown
// and writes the animation with each frame shown for the chosen delay and the last for 5 s.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "art/median_cut.h"
#include "art/recording_name.h"

namespace quorvex {

class GifRecorder {
 public:
  static constexpr int kMaxFrames = 250;
  static constexpr int kLastFrameDelayMs = 5000;

  // The delay of every frame but the last, in milliseconds, kept within 10..5000.
  void SetFrameDelayMs(int ms);
  int FrameDelayMs() const { return delay_ms_; }

  void Clear();
  int FrameCount() const { return static_cast<int>(frames_.size()); }
  bool Empty() const { return frames_.empty(); }

  // A capture: kept when it differs from the previous frame and fewer than 250 are held.
  // Returns whether it became a frame. A null picture is ignored; one of another size than the
  // first is cut or padded to it.
  bool AddCapture(const QImage& picture);
  // The last capture of a scored deal. Like AddCapture, except that a full recording has its
  // last frame replaced, so the animation always ends on the result.
  bool AddFinalCapture(const QImage& picture);

  // The animated GIF of the frames; empty when there are none or encoding failed.
  QByteArray Encode(QString* error = nullptr) const;

  // Writes the animation into `folder` (created when missing) under the name of `now`, never
  // over an existing file. Returns the path written, or an empty string with the reason.
  QString Save(const QString& folder, const CivilTime& now, QString* error = nullptr) const;

 private:
  struct Frame {
    QRect rect;     // what this frame changes
    QImage pixels;  // the picture within rect
  };

  QImage Normalised(const QImage& picture) const;
  void Append(const QImage& picture, const QRect& changed);
  void Count(const QImage& pixels);

  std::vector<Frame> frames_;
  QImage last_;  // the whole picture the frames so far add up to
  ColourHistogram histogram_;
  int delay_ms_ = 1000;
};

}  // namespace quorvex
