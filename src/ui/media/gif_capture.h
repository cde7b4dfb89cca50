// The capture side of a deal's GIF recording: a 100 ms timer that takes the window (or the
// screen within the window's frame) into the recorder, and the saving at the end of the deal
// with its banner. The window starts it when a deal is dealt and finishes it when the deal is
// scored, when the player leaves to the menu, or when the program closes.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "art/recording_name.h"
#include "ui/media/gif_recorder.h"

class QWidget;

namespace quorvex {

class GifBanner;

// GifCaptureArea: the window's client area, or the screen within the window's outer frame.
enum class GifArea { Window = 1, Screen = 2 };

// "GIFGame" beside the program.
QString DefaultRecordingFolder();
// The local time now, for the file name.
CivilTime CivilTimeNow();

class GifCapture : public QObject {
  Q_OBJECT

 public:
  static constexpr int kIntervalMs = 100;

  explicit GifCapture(QWidget* window);
  ~GifCapture() override;

  // A new deal: the recording is cleared and the timer starts.
  void Start(GifArea area, int frame_delay_ms);
  void Stop();
  bool Running() const { return timer_.isActive(); }

  // One capture now, as a timer tick makes.
  void CaptureNow();

  struct Result {
    bool saved = false;
    QString path;   // the file written
    QString error;  // why nothing was written, when frames were held
  };
  // Ends the recording: a last capture when `final_capture` (the deal was scored), then the
  // banner while the frames are written into `folder`; the frames are cleared and the timer
  // stops whatever happens. A recording without frames writes nothing.
  Result Finish(bool final_capture, const QString& folder, const CivilTime& now);

  GifRecorder& Recorder() { return recorder_; }
  // The picture a capture takes now.
  QImage Grab() const;

 private:
  QWidget* window_;
  GifBanner* banner_;  // a child of the window
  QTimer timer_;
  GifRecorder recorder_;
  GifArea area_ = GifArea::Window;
};

}  // namespace quorvex
