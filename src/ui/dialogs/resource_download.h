// A missing resource file fetched from the download area of the online services: written to a
// temporary file and put in place only when it arrived whole, and a library that is not a sound
// bundle is thrown away, never loaded.
#pragma once

#include <QString>

#include "online/http_client.h"

namespace quorvex {

// `base` is the services' base address; the file goes into `folder` under its own name.
bool DownloadResource(HttpClient& client, const std::string& base, const QString& file,
                      const QString& folder);

}  // namespace quorvex
