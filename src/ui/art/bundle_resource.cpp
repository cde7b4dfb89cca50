#include "ui/art/bundle_resource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include "art/bundle_index.h"

namespace quorvex {

namespace {
// Each read mounts the bundle under a root of its own, clear of the program's resources.
QString MountRoot() {
  static int next = 0;
  return QStringLiteral("/quorvex-bundle-%1").arg(++next);
}

QString FindNoCase(const QString& dir, const QString& name) {
  const QString exact = dir + QLatin1Char('/') + name;
  if (QFileInfo(exact).isFile()) return exact;
  for (const QString& entry : QDir(dir).entryList(QDir::Files))
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir + QLatin1Char('/') + entry;
  return {};
}

QString FindDirNoCase(const QString& root, const QString& name) {
  const QString exact = root + QLatin1Char('/') + name;
  if (QFileInfo(exact).isDir()) return exact;
  for (const QString& entry : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return root + QLatin1Char('/') + entry;
  return {};
}
}  // namespace

QByteArray ReadBundleResource(const QString& bundle_file, const QString& type,
                              const QString& name) {
  QFile library(bundle_file);
  if (!library.open(QIODevice::ReadOnly)) return {};
  // Qt's reader trusts every offset of the file: a damaged library is refused before it sees it.
  const qint64 size = library.size();
  const uchar* data = size > 0 ? library.map(0, size) : nullptr;
  if (!data || !ReadBundleIndex(data, size_t(size))) return {};
  const QString root = MountRoot();
  if (!QResource::registerResource(data, root)) return {};
  QByteArray bytes;
  const QString dir = FindDirNoCase(QLatin1Char(':') + root, type);
  const QString path = dir.isEmpty() ? QString() : FindNoCase(dir, name);
  if (!path.isEmpty()) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  }
  QResource::unregisterResource(data, root);
  return bytes;
}

}  // namespace quorvex
