#include "ui/media/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>

namespace quorvex {

GifWriter::~GifWriter() {
  if (gif_) EGifCloseFile(gif_, nullptr);
}

int GifWriter::Write(GifFileType* gif, const uint8_t* data, int length) {
  static_cast<GifWriter*>(gif->UserData)
      ->bytes_.append(reinterpret_cast<const char*>(data), length);
  return length;
}

bool GifWriter::Fail(int code) {
  error_ = QString::fromUtf8(GifErrorString(code));
  return false;
}

bool GifWriter::Begin(int width, int height, const std::vector<Rgb>& palette) {
  if (gif_ || width <= 0 || height <= 0 || width > 65535 || height > 65535 || palette.empty() ||
      palette.size() > 256) {
    error_ = QStringLiteral("Bad GIF size or palette");
    return false;
  }
  bytes_.clear();
  int code = 0;
  gif_ = EGifOpen(this, Write, &code);
  if (!gif_) return Fail(code);
  EGifSetGifVersion(gif_, true);

  // giflib wants a power of two colours; the spare entries stay black and unused.
  int size = 2;
  while (size < static_cast<int>(palette.size())) size *= 2;
  std::vector<GifColorType> colours(size, GifColorType{0, 0, 0});
  for (size_t i = 0; i < palette.size(); ++i)
    colours[i] = GifColorType{palette[i].r, palette[i].g, palette[i].b};
  ColorMapObject* map = GifMakeMapObject(size, colours.data());
  if (!map) return Fail(E_GIF_ERR_NOT_ENOUGH_MEM);
  const int put = EGifPutScreenDesc(gif_, width, height, 8, 0, map);
  GifFreeMapObject(map);
  if (put == GIF_ERROR) return Fail(gif_->Error);
  screen_ = QRect(0, 0, width, height);

  // Loop for ever (the NETSCAPE2.0 application extension).
  static const char kApplication[] = "NETSCAPE2.0";
  static const uint8_t kLoop[] = {1, 0, 0};
  if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_, 11, kApplication) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_, sizeof kLoop, kLoop) == GIF_ERROR ||
      EGifPutExtensionTrailer(gif_) == GIF_ERROR)
    return Fail(gif_->Error);
  return true;
}

bool GifWriter::AddFrame(const QRect& rect, const std::vector<uint8_t>& indices, int delay_cs) {
  if (!gif_ || rect.isEmpty() || !screen_.contains(rect) ||
      indices.size() != static_cast<size_t>(rect.width()) * rect.height()) {
    error_ = QStringLiteral("Bad GIF frame");
    return false;
  }
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = std::clamp(delay_cs, 0, 65535);
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const size_t length = EGifGCBToExtension(&control, extension);
  if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
          GIF_ERROR ||
      EGifPutImageDesc(gif_, rect.x(), rect.y(), rect.width(), rect.height(), false, nullptr) ==
          GIF_ERROR)
    return Fail(gif_->Error);
  std::vector<GifPixelType> line(rect.width());
  for (int y = 0; y < rect.height(); ++y) {
    std::copy_n(indices.begin() + static_cast<ptrdiff_t>(y) * rect.width(), rect.width(),
                line.begin());
    if (EGifPutLine(gif_, line.data(), rect.width()) == GIF_ERROR) return Fail(gif_->Error);
  }
  return true;
}

bool GifWriter::Finish() {
  if (!gif_) return false;
  int code = 0;
  const int closed = EGifCloseFile(gif_, &code);
  gif_ = nullptr;
  return closed == GIF_ERROR ? Fail(code) : true;
}

}  // namespace quorvex
