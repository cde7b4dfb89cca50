// Collects the pictures of one resource library in a folder and writes the .qrc list that rcc
// turns into the library. Resources are stored as <type>/<NAME> with the name in capitals, so
// the loaders find a name whatever its case.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

namespace artgen {

class BundleWriter {
 public:
  explicit BundleWriter(const QString& folder);

  // type is "RCDATA" (PNG), "BITMAP" (the program's classic cards, PNG too), "JPEG" or "GIF".
  void AddPng(const QString& type, const QString& name, const QImage& image);
  void AddJpeg(const QString& name, const QImage& image, int quality = 88);
  void AddData(const QString& type, const QString& name, const QByteArray& data);
  bool Has(const QString& type, const QString& name) const;
  int Count() const { return static_cast<int>(entries_.size()); }

  // Writes <folder>.qrc; false (with a message) when any file could not be written.
  bool Finish();

 private:
  QString folder_;
  QStringList entries_;  // "TYPE/NAME", in the order made
  QSet<QString> made_;
  bool ok_ = true;
};

}  // namespace artgen
