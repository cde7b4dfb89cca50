#include "ui/dialogs/resource_download.h"

#include <QDir>
#include <QFile>

#include "art/bundle_index.h"
#include "online/service_request.h"
#include "settings/safe_file_write.h"

namespace quorvex {

namespace {

// The largest library is some 30 MB; anything far past that is not one of ours.
constexpr size_t kMaxResourceBytes = size_t(64) << 20;

// Whether the new file is a bundle the library loader can read, looked at through a mapping so
// that it never has to sit in memory whole.
bool IsBundle(const std::string& path) {
  QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
  if (!file.open(QIODevice::ReadOnly) || file.size() == 0) return false;
  const uchar* bytes = file.map(0, file.size());
  return bytes && ReadBundleIndex(bytes, size_t(file.size())).has_value();
}

}  // namespace

bool DownloadResource(HttpClient& client, const std::string& base, const QString& file,
                      const QString& folder) {
  QDir().mkpath(folder);
  // The reply goes straight to a file beside the target; only a whole, checked library takes
  // the name, since the game loads whatever it finds under it.
  FileReplacement target(QFile::encodeName(QDir(folder).filePath(file)).toStdString());
  if (!target.Good()) return false;
  size_t received = 0;
  HttpRequest request;
  request.url = base + "/downloads/progr/cards/" + file.toStdString();
  request.post = false;
  request.limit = ExchangeLimit::Download;
  request.max_body = kMaxResourceBytes;
  request.on_body = [&target, &received](std::string_view bytes) {
    received += bytes.size();
    return target.Append(bytes);
  };
  const HttpReply reply = client.Exchange(request);
  if (!reply.ok) return false;
  // A client that does not hand the body over in pieces keeps it in the reply.
  if (received == 0 && !reply.body.empty()) {
    if (reply.body.size() > kMaxResourceBytes || !target.Append(reply.body)) return false;
    received = reply.body.size();
  }
  if (received == 0) return false;
  if (file.endsWith(QStringLiteral(".dll"), Qt::CaseInsensitive) &&
      !IsBundle(target.TemporaryPath()))
    return false;
  return target.Commit();
}

}  // namespace quorvex
