// The tournament relay's place from the command line: "host:port" (an IPv6 host in brackets),
// the tables listening on port + 1 .. port + 10.
#pragma once

#include <QString>

#include "service_server.h"

namespace quorvex::server {

// Fills relay_listen, relay_host (the host, or the base address's host when the relay listens on
// every address) and relay_port; false with a one-line reason.
bool ParseRelayPlace(const QString& text, const QString& base_url, ServerPlaces* places,
                     QString* error);

}  // namespace quorvex::server
