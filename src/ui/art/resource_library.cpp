#include "ui/art/resource_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include "art/bundle_index.h"
#include "art/library_rules.h"
#include "locale/lang_text.h"
#include "ui/dialogs/notice_window.h"
#include "ui/art/own_art_data.h"

namespace quorvex {

namespace {
QString g_directory;

QString NextRoot() {
  static int next = 0;
  return QStringLiteral("/zeflib%1").arg(++next);
}
}  // namespace

void SetLibraryDirectory(const QString& dir) {
  g_directory = dir;
}

QString LibraryDirectory() {
  return g_directory.isEmpty() ? QDir::currentPath() : g_directory;
}

ResourceLibrary::ResourceLibrary(const QString& library) {
  if (library.isEmpty()) {
    own_ = open_ = RegisterOwnArt();
    root_ = QString::fromLatin1(kOwnArtRoot);
    return;
  }
  for (const std::string& path :
       LibrarySearchPaths(LibraryDirectory().toStdString(), library.toStdString()))
    if (TryFile(QString::fromStdString(path))) return;
}

bool ResourceLibrary::TryFile(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::ReadOnly)) return false;
  const qint64 size = file->size();
  const uchar* bytes = file->map(0, size);
  QByteArray read;
  if (bytes == nullptr) {
    read = file->readAll();
    bytes = reinterpret_cast<const uchar*>(read.constData());
  }
  // Qt trusts every offset in a bundle; a damaged file is refused here instead.
  if (!ReadBundleIndex(bytes, static_cast<size_t>(size))) return false;
  const QString root = NextRoot();
  if (!QResource::registerResource(bytes, root)) return false;
  file_ = std::move(file);
  read_ = std::move(read);
  bytes_ = bytes;
  root_ = root;
  path_ = path;
  open_ = true;
  return true;
}

ResourceLibrary::~ResourceLibrary() {
  if (open_ && !own_) QResource::unregisterResource(bytes_, root_);
}

QByteArray ResourceLibrary::Data(const QString& type, const QString& name) const {
  if (!open_ || name.isEmpty()) return {};
  QFile file(QLatin1Char(':') + root_ + QLatin1Char('/') + type.toUpper() + QLatin1Char('/') +
             name.toUpper());
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QImage ResourceLibrary::Picture(const QString& type, const QString& name) const {
  const QByteArray data = Data(type, name);
  if (data.isEmpty()) return {};
  QImage image;
  if (!image.loadFromData(data)) return {};
  return image.convertToFormat(QImage::Format_ARGB32);
}

bool LoadLibraryPicture(const QString& name, const QString& library, QImage& png) {
  const ResourceLibrary lib(library);
  QImage image = lib.Picture(QStringLiteral("RCDATA"), name);
  if (image.isNull()) return false;
  png = std::move(image);
  return true;
}

bool LoadLibraryPicture(const QString& name, const QString& library, JpegPicture& jpeg) {
  const ResourceLibrary lib(library);
  QImage image = lib.Picture(QStringLiteral("JPEG"), name);
  if (image.isNull()) return false;
  jpeg.image = std::move(image);
  return true;
}

bool LoadLibraryPicture(const QString& name, const QString& library, GifPicture& gif) {
  const ResourceLibrary lib(library);
  QByteArray data = lib.Data(QStringLiteral("GIF"), name);
  if (data.isEmpty()) return false;
  gif.data = std::move(data);
  return true;
}

void ShowMissingLibrary(const QString& library) {
  ShowNotice(QString::fromStdString(Text(Tx::CantFindFile)) + QLatin1Char(' ') + library, QString(),
             QString());
}

}  // namespace quorvex
