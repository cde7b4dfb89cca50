// The resource libraries of card art and pictures: Qt binary resource bundles found by file
// name in the working directory or its parent, checked, registered under a root of their own
// for the reads and unregistered when done. An empty library name means the program's own
// pictures.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>

class QFile;

namespace quorvex {

// Where the libraries are looked for first; empty (the default) is the working directory.
void SetLibraryDirectory(const QString& dir);
QString LibraryDirectory();

class ResourceLibrary {
 public:
  // Looks for the library and opens it; a damaged file counts as missing.
  explicit ResourceLibrary(const QString& library);
  ~ResourceLibrary();
  ResourceLibrary(const ResourceLibrary&) = delete;
  ResourceLibrary& operator=(const ResourceLibrary&) = delete;

  bool IsOpen() const { return open_; }
  // The file that was opened; empty for the program's own pictures or a missing library.
  QString Path() const { return path_; }

  // The bytes of a resource ("RCDATA", "BITMAP", "JPEG", "GIF"); names are compared without
  // regard to case. Empty when the library or the resource is missing.
  QByteArray Data(const QString& type, const QString& name) const;
  // A picture resource decoded as 32-bit ARGB; null when missing or unreadable.
  QImage Picture(const QString& type, const QString& name) const;

 private:
  bool TryFile(const QString& path);

  bool open_ = false;
  bool own_ = false;
  QString path_;
  QString root_;
  std::unique_ptr<QFile> file_;
  const uchar* bytes_ = nullptr;
  QByteArray read_;  // the file's bytes when it could not be mapped
};

// One picture from a library (loaded, read and unloaded at once). False, with the target
// untouched, when the library cannot be found or the picture is not in it.
struct JpegPicture {
  QImage image;
};
struct GifPicture {
  QByteArray data;  // the whole animation, for QMovie
};
bool LoadLibraryPicture(const QString& name, const QString& library, QImage& png);
bool LoadLibraryPicture(const QString& name, const QString& library, JpegPicture& jpeg);
bool LoadLibraryPicture(const QString& name, const QString& library, GifPicture& gif);

// "Can`t find the file" and the file's name, in the current language, on the notice window.
void ShowMissingLibrary(const QString& library);

}  // namespace quorvex
