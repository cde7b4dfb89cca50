#include "ui/dialogs/resource_download.h"

#include <QDir>

#include "art/bundle_index.h"
#include "online/service_request.h"
#include "settings/safe_file_write.h"

namespace quorvex {

bool DownloadResource(HttpClient& client, const std::string& base, const QString& file,
                      const QString& folder) {
  HttpRequest request;
  request.url = base + "/downloads/progr/cards/" + file.toStdString();
  request.post = false;
  request.limit = ExchangeLimit::Download;
  request.max_body = size_t(256) << 20;
  const HttpReply reply = client.Exchange(request);
  if (!reply.ok || reply.body.empty()) return false;
  if (file.endsWith(QStringLiteral(".dll"), Qt::CaseInsensitive) &&
      !ReadBundleIndex(reinterpret_cast<const uint8_t*>(reply.body.data()), reply.body.size()))
    return false;
  QDir().mkpath(folder);
  // Only a whole, checked library takes the name: the game loads whatever it finds under it.
  return ReplaceFileContents(QDir(folder).filePath(file).toStdString(), reply.body);
}

}  // namespace quorvex
