// The HTTP side of the server: the service paths, the configuration file, the address echo, the
// news page, the adverts, the avatars, the download area, the music with its playlist and the
// radio stations' streams, with one log line per request.
#pragma once

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QHttpServer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "account_service.h"
#include "account_store.h"
#include "music_shelf.h"
#include "radio_station.h"
#include "services.h"
#include "storage.h"
#include "tournament_service.h"

namespace quorvex::server {

struct ServerPlaces {
  QString data_dir;       // the database, the log and the avatars
  QString templates_dir;  // the configuration, news and advert templates
  QString downloads_dir;  // the resource files the download area serves
  QString music_dir;      // the server's own tracks and their playlist, played by its stations
  QString base_url;       // the address the players reach this server at
  // The tournament relay: table t listens on relay_listen, port relay_port + t, and players are
  // sent to relay_host. relay_port 0: no relay, the tournament is closed.
  QHostAddress relay_listen;
  QString relay_host;
  quint16 relay_port = 0;
  // How long a request's head and body may take to come in.
  int request_ms = 20000;
};

class ServiceServer {
 public:
  ServiceServer(Storage& storage, ServerPlaces places,
                int password_iterations = PasswordVerifier::kDefaultIterations);

  // Listens on the address and port; 0 when the port cannot be had.
  quint16 Listen(const QHostAddress& address, quint16 port);
  bool OpenLog(QString* error);

  // The text of the configuration file for this server's base address.
  QByteArray ConfigurationText() const;

  // The tournament's tables and standings, as the relay uses them.
  RelayHost& Relay() { return tournament_; }

  // The radio stations, "quorvex1" and on: each plays at "/radio/<id>.mp3" when the music folder
  // has tracks.
  const std::vector<std::unique_ptr<RadioStation>>& Stations() const { return stations_; }

 private:
  void Route();
  QHttpServerResponse Logged(const QHttpServerRequest& request, QHttpServerResponse response,
                             int status, qint64 bytes);
  void Log(const QHostAddress& from, const QString& method, const QString& path, int status,
           qint64 bytes);
  using Service = std::function<ServiceReply(const Form&, const Caller&)>;
  QHttpServerResponse Post(const QHttpServerRequest& request, const Service& service);
  // `name_checked`: the caller has judged the name itself.
  QHttpServerResponse File(const QHttpServerRequest& request, const QString& dir,
                           const QString& name, const QByteArray& type, bool name_checked = false);
  QByteArray Template(const QString& name) const;
  void Music(const QString& name, const QHttpServerRequest& request,
             QHttpServerResponder&& responder);
  void Radio(const QString& name, const QHttpServerRequest& request,
             QHttpServerResponder&& responder);

  Storage& storage_;
  AccountStore accounts_;
  Services services_;
  AccountService account_;
  ServerPlaces places_;
  TournamentService tournament_;
  std::vector<std::unique_ptr<RadioStation>> stations_;
  QHttpServer http_;
  QFile log_;
};

// The address of the client a request comes from.
QString ClientAddress(const QHttpServerRequest& request);

// A member's picture: the nick and ".jpg".
bool AvatarFileName(const QString& name);
// A file name a request may ask for: letters, digits, "_", "-", "~" and one dot, nothing else.
bool SafeFileName(const QString& name);

}  // namespace quorvex::server
