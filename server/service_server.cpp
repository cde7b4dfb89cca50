#include "service_server.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QRegularExpression>

#include "guarded_tcp_server.h"
#include "online/service_addresses.h"
#include "online/string_cipher.h"

namespace quorvex::server {
namespace {

const QByteArray kText = QByteArrayLiteral("text/plain; charset=windows-1251");
constexpr int kStations = 3;

QByteArray MusicType(const QString& name) {
  if (name.endsWith(QLatin1String(".mp3"), Qt::CaseInsensitive))
    return QByteArrayLiteral("audio/mpeg");
  if (name.endsWith(QLatin1String(".html"), Qt::CaseInsensitive))
    return QByteArrayLiteral("text/html; charset=utf-8");
  return QByteArrayLiteral("application/octet-stream");
}

}  // namespace

QString ClientAddress(const QHttpServerRequest& request) {
  QHostAddress from = request.remoteAddress();
  bool mapped = false;
  const QHostAddress v4(from.toIPv4Address(&mapped));
  if (mapped) from = v4;
  // A helper of this machine (the pictures' FTP door, a reverse proxy) names the client it asks
  // for; nobody else may.
  if (from.isLoopback()) {
    for (const auto& [name, value] : request.headers()) {
      if (name.compare("x-forwarded-for", Qt::CaseInsensitive) != 0) continue;
      const QHostAddress named(QString::fromLatin1(value.split(',').last().trimmed()));
      if (!named.isNull()) return named.toString();
    }
  }
  return from.toString();
}

bool AvatarFileName(const QString& name) {
  // Any member's nick (its characters include "." and "@") and ".jpg"; never a hidden file.
  static const QRegularExpression pattern(
      QStringLiteral("^[A-Za-z0-9!(),@_-][A-Za-z0-9!(),.@_-]{1,11}\\.jpg$"));
  return pattern.match(name).hasMatch();
}

bool SafeFileName(const QString& name) {
  static const QRegularExpression pattern(
      QStringLiteral("^[A-Za-z0-9_~-]{1,128}(\\.[A-Za-z0-9]{1,8})?$"));
  return pattern.match(name).hasMatch();
}

ServiceServer::ServiceServer(Storage& storage, ServerPlaces places, int password_iterations)
    : storage_(storage),
      accounts_(storage),
      services_(storage, accounts_),
      account_(accounts_, password_iterations),
      places_(std::move(places)),
      tournament_(storage, accounts_, places_.relay_host, places_.relay_port) {
  const std::vector<ShelfTrack> shelf = LoadMusicShelf(places_.music_dir);
  std::vector<Rotation> rotations = StationRotations(shelf, kStations);
  for (int number = 1; number <= kStations; ++number)
    stations_.push_back(std::make_unique<RadioStation>(QStringLiteral("quorvex%1").arg(number),
                                                       std::move(rotations[number - 1])));
  Route();
}

quint16 ServiceServer::Listen(const QHostAddress& address, quint16 port) {
  auto* tcp = new GuardedTcpServer(
      kMaxBody,
      [this](const QHostAddress& from, const QByteArray& request_line, int status) {
        const QList<QByteArray> words = request_line.split(' ');
        Log(from, QString::fromLatin1(words.value(0)), QString::fromLatin1(words.value(1)), status,
            0);
      },
      places_.request_ms, &http_);
  if (!tcp->listen(address, port)) {
    delete tcp;
    return 0;
  }
  http_.bind(tcp);
  return tcp->serverPort();
}

bool ServiceServer::OpenLog(QString* error) {
  log_.setFileName(QDir(places_.data_dir).filePath(QStringLiteral("server.log")));
  if (!log_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
    *error =
        QStringLiteral("cannot write the log in %1: %2").arg(places_.data_dir, log_.errorString());
    return false;
  }
  return true;
}

QByteArray ServiceServer::ConfigurationText() const {
  QString base = places_.base_url;
  while (base.endsWith(QLatin1Char('/'))) base.chop(1);
  auto value = [&base](ServiceAddress which, const char* path) {
    return QByteArray::fromStdString(
        Encipher((base + QLatin1String(path)).toStdString(), AddressKey(which)));
  };
  return "WTGamesPatt=" + value(ServiceAddress::TopTen, "/records.php") +
         "#\r\nStatPath=" + value(ServiceAddress::Stats, "/stats.php") +
         "#\r\nAccPath=" + value(ServiceAddress::Account, "/account.php") + "#\r\n";
}

QByteArray ServiceServer::Template(const QString& name) const {
  QFile file(QDir(places_.templates_dir).filePath(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray text = file.readAll();
  QString base = places_.base_url;
  while (base.endsWith(QLatin1Char('/'))) base.chop(1);
  text.replace("{{BASE}}", base.toUtf8());
  return text;
}

QHttpServerResponse ServiceServer::Logged(const QHttpServerRequest& request,
                                          QHttpServerResponse response, int status, qint64 bytes) {
  Log(request.remoteAddress(),
      request.method() == QHttpServerRequest::Method::Post ? QStringLiteral("POST")
                                                           : QStringLiteral("GET"),
      request.url().path(), status, bytes);
  return response;
}

void ServiceServer::Log(const QHostAddress& from, const QString& method, const QString& path,
                        int status, qint64 bytes) {
  if (!log_.isOpen()) return;
  // A path as the client sent it may hold anything; it must not break the log into lines.
  static const QRegularExpression unsafe(QStringLiteral("[\\x00-\\x20\\x7f]"));
  QString shown = path.isEmpty() ? QStringLiteral("-") : path;
  shown.replace(unsafe, QStringLiteral("_"));
  const QString line =
      QStringLiteral("%1 %2 %3 %4 %5 %6\n")
          .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs), from.toString(),
               method.isEmpty() ? QStringLiteral("-") : method, shown)
          .arg(status)
          .arg(bytes);
  log_.write(line.toUtf8());
  log_.flush();
}

QHttpServerResponse ServiceServer::Post(const QHttpServerRequest& request, const Service& service) {
  if (request.method() != QHttpServerRequest::Method::Post)
    return Logged(request, QHttpServerResponse(QHttpServerResponse::StatusCode::MethodNotAllowed),
                  405, 0);
  if (request.body().size() > kMaxBody)
    return Logged(request, QHttpServerResponse(QHttpServerResponse::StatusCode::PayloadTooLarge),
                  413, 0);
  const std::optional<Form> form = ParseForm(request.body());
  const Caller caller{ClientAddress(request), SessionToken(request.headers())};
  const ServiceReply reply = form ? service(*form, caller) : ServiceReply{kRefusal, {}};
  QHttpServerResponse response(kText, reply.body);
  if (!reply.new_session.isEmpty())
    response.addHeader(QByteArrayLiteral("Set-Cookie"), SessionCookie(reply.new_session));
  return Logged(request, std::move(response), 200, reply.body.size());
}

QHttpServerResponse ServiceServer::File(const QHttpServerRequest& request, const QString& dir,
                                        const QString& name, const QByteArray& type,
                                        bool name_checked) {
  const QString path = QDir(dir).filePath(name);
  QFile file(path);
  if (!(name_checked || SafeFileName(name)) || dir.isEmpty() || !QFileInfo(path).isFile() ||
      !file.open(QIODevice::ReadOnly))
    return Logged(request, QHttpServerResponse(QHttpServerResponse::StatusCode::NotFound), 404, 0);
  const QByteArray data = file.readAll();
  return Logged(request, QHttpServerResponse(type, data), 200, data.size());
}

void ServiceServer::Music(const QString& name, const QHttpServerRequest& request,
                          QHttpServerResponder&& responder) {
  // What is put into the data folder comes first, then the server's own music.
  const QString own = QDir(places_.data_dir).filePath(QStringLiteral("musik"));
  const bool in_data = SafeFileName(name) && QFileInfo(QDir(own).filePath(name)).isFile();
  File(request, in_data || places_.music_dir.isEmpty() ? own : places_.music_dir, name,
       MusicType(name))
      .write(std::move(responder));
}

void ServiceServer::Radio(const QString& name, const QHttpServerRequest& request,
                          QHttpServerResponder&& responder) {
  for (const auto& station : stations_) {
    if (name != station->Id() + QLatin1String(".mp3") || !station->OnAir()) continue;
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    if (!head && request.method() != QHttpServerRequest::Method::Get) {
      Logged(request, QHttpServerResponse(QHttpServerResponse::StatusCode::MethodNotAllowed), 405,
             0)
          .write(std::move(responder));
      return;
    }
    Log(request.remoteAddress(), head ? QStringLiteral("HEAD") : QStringLiteral("GET"),
        request.url().path(), 200, 0);
    // No length: the body goes on until the listener leaves.
    responder.writeStatusLine();
    responder.writeHeaders({{"Content-Type", "audio/mpeg"},
                            {"Cache-Control", "no-cache, no-store"},
                            {"Connection", "close"},
                            {"icy-name", station->Id().toUtf8()}});
    responder.writeBody(QByteArray());
    QTcpSocket* socket = responder.socket();
    if (head)
      socket->disconnectFromHost();
    else
      station->Tune(socket);
    return;
  }
  // Anything else is one of the station list files put into the data folder.
  File(request, QDir(places_.data_dir).filePath(QStringLiteral("radio")), name,
       QByteArrayLiteral("application/octet-stream"))
      .write(std::move(responder));
}

void ServiceServer::Route() {
  http_.setMissingHandler(
      [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        Logged(request, QHttpServerResponse(QHttpServerResponse::StatusCode::NotFound), 404, 0);
        responder.write(QHttpServerResponder::StatusCode::NotFound);
      });
  http_.route(QStringLiteral("/records.php"), [this](const QHttpServerRequest& request) {
    return Post(request, [this](const Form& form, const Caller& caller) {
      return ServiceReply{services_.Records(form, caller), {}};
    });
  });
  http_.route(QStringLiteral("/stats.php"), [this](const QHttpServerRequest& request) {
    return Post(request, [this](const Form& form, const Caller&) {
      return ServiceReply{services_.Stats(form), {}};
    });
  });
  http_.route(QStringLiteral("/account.php"), [this](const QHttpServerRequest& request) {
    return Post(request, [this](const Form& form, const Caller& caller) {
      return account_.Handle(form, caller);
    });
  });
  http_.route(QStringLiteral("/tournament.php"), [this](const QHttpServerRequest& request) {
    return Post(request, [this](const Form& form, const Caller& caller) {
      return ServiceReply{tournament_.Handle(form, caller), {}};
    });
  });
  http_.route(QStringLiteral("/config.txt"), [this](const QHttpServerRequest& request) {
    const QByteArray text = ConfigurationText();
    return Logged(request, QHttpServerResponse(QByteArrayLiteral("text/plain"), text), 200,
                  text.size());
  });
  http_.route(QStringLiteral("/ip.php"), [this](const QHttpServerRequest& request) {
    QHostAddress address = request.remoteAddress();
    bool mapped = false;
    const QHostAddress v4(address.toIPv4Address(&mapped));
    if (mapped) address = v4;
    const QByteArray text = address.toString().toUtf8();
    return Logged(request, QHttpServerResponse(QByteArrayLiteral("text/plain"), text), 200,
                  text.size());
  });
  for (const char* page : {"news.html", "adverts.txt"}) {
    const QString name = QString::fromLatin1(page);
    http_.route(QLatin1Char('/') + name, [this, name](const QHttpServerRequest& request) {
      const QByteArray text = Template(name);
      if (text.isEmpty())
        return Logged(request, QHttpServerResponse(QHttpServerResponse::StatusCode::NotFound), 404,
                      0);
      const QByteArray type = name.endsWith(QLatin1String(".html"))
                                  ? QByteArrayLiteral("text/html; charset=utf-8")
                                  : QByteArrayLiteral("text/plain; charset=utf-8");
      return Logged(request, QHttpServerResponse(type, text), 200, text.size());
    });
  }
  http_.route(QStringLiteral("/adverts/<arg>"), [this](const QString& name,
                                                       const QHttpServerRequest& request) {
    return File(request, QDir(places_.templates_dir).filePath(QStringLiteral("adverts")), name,
                QByteArrayLiteral("image/svg+xml"));
  });
  http_.route(QStringLiteral("/avatars/<arg>"),
              [this](const QString& name, const QHttpServerRequest& request) {
                return File(request, QDir(places_.data_dir).filePath(QStringLiteral("avatars")),
                            name, QByteArrayLiteral("image/jpeg"), AvatarFileName(name));
              });
  http_.route(
      QStringLiteral("/musik/<arg>"),
      [this](const QString& name, const QHttpServerRequest& request,
             QHttpServerResponder&& responder) { Music(name, request, std::move(responder)); });
  http_.route(
      QStringLiteral("/radio/<arg>"),
      [this](const QString& name, const QHttpServerRequest& request,
             QHttpServerResponder&& responder) { Radio(name, request, std::move(responder)); });
  http_.route(QStringLiteral("/downloads/progr/cards/<arg>"),
              [this](const QString& name, const QHttpServerRequest& request) {
                return File(request, places_.downloads_dir, name,
                            QByteArrayLiteral("application/octet-stream"));
              });
}

}  // namespace quorvex::server
