// Deals recorded as animated GIF: the file giflib reads back, dropped repeats, the 250-frame
// limit with the result kept last, file names, and the capture of a real window.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "ui/media/gif_capture.h"
#include "ui/media/gif_recorder.h"

namespace quorvex {
namespace {

struct ReadBack {
  int width = 0, height = 0;
  std::vector<int> delays;  // hundredths of a second
  std::vector<QRect> rects;
  QImage last;  // the picture after every frame was laid down
  bool loops = false;
};

// Reads a GIF with giflib and lays its frames over each other as a viewer would.
ReadBack Read(const QString& path) {
  ReadBack result;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
  if (!gif) {
    ADD_FAILURE() << "giflib cannot open " << path.toStdString() << ": " << GifErrorString(error);
    return result;
  }
  EXPECT_EQ(DGifSlurp(gif), GIF_OK) << GifErrorString(gif->Error);
  result.width = gif->SWidth;
  result.height = gif->SHeight;
  QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    for (int e = 0; e < image.ExtensionBlockCount; ++e) {
      const ExtensionBlock& block = image.ExtensionBlocks[e];
      if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
          std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0)
        result.loops = true;
    }
    GraphicsControlBlock control;
    EXPECT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
    result.delays.push_back(control.DelayTime);
    const GifImageDesc& d = image.ImageDesc;
    result.rects.emplace_back(d.Left, d.Top, d.Width, d.Height);
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    for (int y = 0; y < d.Height; ++y)
      for (int x = 0; x < d.Width; ++x) {
        const GifColorType c = map->Colors[image.RasterBits[y * d.Width + x]];
        canvas.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
      }
  }
  result.last = canvas;
  DGifCloseFile(gif, &error);
  return result;
}

// A small table: felt with a card whose place and colour vary.
QImage Scene(int card_x, QColor card = Qt::white) {
  QImage image(160, 100, QImage::Format_RGB32);
  image.fill(QColor(0, 96, 40));
  QPainter painter(&image);
  painter.fillRect(card_x, 20, 30, 40, card);
  painter.fillRect(card_x + 10, 30, 10, 10, Qt::red);
  return image;
}

constexpr CivilTime kWhen{2024, 3, 15, 18, 5, 42};

TEST(GifRecorder, RecordedDealReadsBackAsAnimation) {
  GifRecorder recorder;
  recorder.SetFrameDelayMs(250);
  const QImage a = Scene(10), b = Scene(60), c = Scene(60, Qt::yellow);
  for (const QImage& picture : {a, a, b, b, b, c}) recorder.AddCapture(picture);
  EXPECT_EQ(recorder.FrameCount(), 3) << "repeated captures are not frames";

  QTemporaryDir dir;
  const QString folder = QDir(dir.path()).filePath(QStringLiteral("GIFGame"));
  QString error;
  const QString path = recorder.Save(folder, kWhen, &error);
  ASSERT_FALSE(path.isEmpty()) << error.toStdString();
  EXPECT_EQ(path, QDir(folder).filePath(QStringLiteral("2024.03.15-18.05.42.gif")));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(6), QByteArray("GIF89a"));

  const ReadBack gif = Read(path);
  EXPECT_EQ(gif.width, 160);
  EXPECT_EQ(gif.height, 100);
  EXPECT_EQ(gif.delays, (std::vector<int>{25, 25, 500}));
  EXPECT_TRUE(gif.loops);
  // Later frames carry only what changed: the card's old and new places, then its face.
  ASSERT_EQ(gif.rects.size(), 3u);
  EXPECT_EQ(gif.rects[0], QRect(0, 0, 160, 100));
  EXPECT_EQ(gif.rects[1], QRect(10, 20, 80, 40));
  EXPECT_EQ(gif.rects[2], QRect(60, 20, 30, 40));
  EXPECT_EQ(gif.last, c) << "few colours come back exactly";

  // Another save in the same second keeps the first file.
  const QString second = recorder.Save(folder, kWhen, &error);
  EXPECT_EQ(QFileInfo(second).fileName(), QStringLiteral("2024.03.15-18.05.42-2.gif"));
  EXPECT_TRUE(QFileInfo::exists(path));
}

// 250 frames at most; the final capture of a scored deal still ends the animation.
TEST(GifRecorder, FullRecordingKeepsTheResultLast) {
  GifRecorder recorder;
  recorder.SetFrameDelayMs(10);
  int kept = 0;
  for (int i = 0; i < 260; ++i)
    kept += recorder.AddCapture(Scene(i % 120, QColor(5 * (i % 50), 255 - 5 * (i % 50), 0)));
  EXPECT_EQ(kept, GifRecorder::kMaxFrames);
  EXPECT_EQ(recorder.FrameCount(), GifRecorder::kMaxFrames);

  const QImage result = Scene(5, Qt::cyan);
  EXPECT_TRUE(recorder.AddFinalCapture(result));
  EXPECT_EQ(recorder.FrameCount(), GifRecorder::kMaxFrames);
  QTemporaryDir dir;
  const QString path = recorder.Save(dir.path(), kWhen);
  ASSERT_FALSE(path.isEmpty());
  const ReadBack gif = Read(path);
  ASSERT_EQ(gif.delays.size(), 250u);
  EXPECT_EQ(gif.delays.front(), 1);
  EXPECT_EQ(gif.delays.back(), 500);
  EXPECT_EQ(gif.last, result);
}

TEST(GifRecorder, NothingRecordedWritesNothing) {
  GifRecorder recorder;
  EXPECT_FALSE(recorder.AddCapture(QImage()));
  QTemporaryDir dir;
  QString error;
  EXPECT_TRUE(recorder.Save(dir.path(), kWhen, &error).isEmpty());
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
  // The delay stays within what the options offer.
  recorder.SetFrameDelayMs(0);
  EXPECT_EQ(recorder.FrameDelayMs(), 10);
  recorder.SetFrameDelayMs(99999);
  EXPECT_EQ(recorder.FrameDelayMs(), 5000);
}

class Felt : public QWidget {
 public:
  Felt() { resize(200, 120); }
  int card_x = 10;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 96, 40));
    painter.fillRect(card_x, 30, 40, 50, Qt::white);
  }
};

// The capture of a real window: changes become frames, the banner never does, and finishing
// writes the file, clears the frames and stops the timer.
TEST(GifCapture, CapturesTheWindowAndSavesAtTheEnd) {
  Felt window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  GifCapture capture(&window);
  capture.Start(GifArea::Window, 500);
  EXPECT_TRUE(capture.Running());
  capture.CaptureNow();
  capture.CaptureNow();
  window.card_x = 120;
  capture.CaptureNow();
  EXPECT_EQ(capture.Recorder().FrameCount(), 2);

  window.card_x = 70;
  QTemporaryDir dir;
  const GifCapture::Result result = capture.Finish(true, dir.path(), kWhen);
  ASSERT_TRUE(result.saved) << result.error.toStdString();
  EXPECT_FALSE(capture.Running());
  EXPECT_TRUE(capture.Recorder().Empty());
  const ReadBack gif = Read(result.path);
  EXPECT_EQ(gif.delays, (std::vector<int>{50, 50, 500}));
  EXPECT_EQ(gif.last, window.grab().toImage().convertToFormat(QImage::Format_RGB32));

  // The next deal starts empty; a recording without frames writes nothing.
  capture.Start(GifArea::Window, 500);
  capture.Stop();
  const GifCapture::Result empty = capture.Finish(false, dir.path(), kWhen);
  EXPECT_FALSE(empty.saved);
  EXPECT_TRUE(empty.error.isEmpty());
}

}  // namespace
}  // namespace quorvex
