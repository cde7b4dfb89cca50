#include "relay_place.h"

#include <QUrl>

#include "relay_host.h"

namespace quorvex::server {

bool ParseRelayPlace(const QString& text, const QString& base_url, ServerPlaces* places,
                     QString* error) {
  constexpr uint kLastBase = 65535 - kTournamentTables;
  const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
  QString host_text = colon > 0 ? text.left(colon) : QString();
  if (host_text.startsWith(QLatin1Char('[')) && host_text.endsWith(QLatin1Char(']')))
    host_text = host_text.mid(1, host_text.size() - 2);
  bool port_ok = false;
  const uint port = colon > 0 ? text.mid(colon + 1).toUInt(&port_ok) : 0;
  const QHostAddress host(host_text);
  if (!port_ok || port == 0 || port > kLastBase || host.isNull()) {
    *error = QStringLiteral(
                 "--relay wants host:port with a port of 1..%1 (table t listens on port + t), "
                 "such as 127.0.0.1:9000, not %2")
                 .arg(kLastBase)
                 .arg(text);
    return false;
  }
  QString shown = host.toString();
  if (host == QHostAddress::AnyIPv4 || host == QHostAddress::AnyIPv6 || host == QHostAddress::Any) {
    // Every address is no address to give the players: they reach this machine by the one
    // they reach the services at.
    shown = QUrl(base_url).host();
    if (shown.isEmpty()) {
      *error = QStringLiteral("--relay on %1 needs a --base address with a host, not %2")
                   .arg(text, base_url);
      return false;
    }
  }
  places->relay_listen = host;
  places->relay_host = shown;
  places->relay_port = quint16(port);
  return true;
}

}  // namespace quorvex::server
