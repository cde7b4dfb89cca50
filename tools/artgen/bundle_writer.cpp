#include "bundle_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace artgen {

BundleWriter::BundleWriter(const QString& folder) : folder_(folder) {
  QDir(folder_).removeRecursively();
  QDir().mkpath(folder_);
}

void BundleWriter::AddData(const QString& type, const QString& name, const QByteArray& data) {
  const QString entry = type.toUpper() + QLatin1Char('/') + name.toUpper();
  if (made_.contains(entry)) {
    std::fprintf(stderr, "artgen: %s made twice\n", qPrintable(entry));
    ok_ = false;
    return;
  }
  QDir().mkpath(folder_ + QLatin1Char('/') + type.toUpper());
  QFile file(folder_ + QLatin1Char('/') + entry);
  if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(file.fileName()));
    ok_ = false;
    return;
  }
  entries_.append(entry);
  made_.insert(entry);
}

void BundleWriter::AddPng(const QString& type, const QString& name, const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&buffer, "PNG")) {
    std::fprintf(stderr, "artgen: cannot encode %s\n", qPrintable(name));
    ok_ = false;
    return;
  }
  AddData(type, name, bytes);
}

void BundleWriter::AddJpeg(const QString& name, const QImage& image, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() ||
      !image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", quality)) {
    std::fprintf(stderr, "artgen: cannot encode %s\n", qPrintable(name));
    ok_ = false;
    return;
  }
  AddData(QStringLiteral("JPEG"), name, bytes);
}

bool BundleWriter::Has(const QString& type, const QString& name) const {
  return made_.contains(type.toUpper() + QLatin1Char('/') + name.toUpper());
}

bool BundleWriter::Finish() {
  QFile qrc(folder_ + QStringLiteral(".qrc"));
  if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(qrc.fileName()));
    return false;
  }
  const QString base = QDir(folder_).dirName();
  QByteArray text = "<RCC>\n<qresource prefix=\"/\">\n";
  for (const QString& entry : entries_)
    text += "<file alias=\"" + entry.toUtf8() + "\">" + base.toUtf8() + '/' + entry.toUtf8() +
            "</file>\n";
  text += "</qresource>\n</RCC>\n";
  if (qrc.write(text) != text.size()) ok_ = false;
  return ok_;
}

}  // namespace artgen
