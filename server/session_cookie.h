// Who asks: the client's address and the session its cookie names. A login or a registration
// answers with a new session cookie; the game's HTTP client keeps it for the run and sends it
// with every later request to this server.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace quorvex::server {

struct Caller {
  QString address;
  QByteArray session;  // the cookie's token, empty without one
};

// A service's answer, and the token of a session it opened (empty when none).
struct ServiceReply {
  QByteArray body;
  QByteArray new_session;
};

// The session token among the request's headers; empty when there is none or it is malformed.
QByteArray SessionToken(const QList<QPair<QByteArray, QByteArray>>& headers);
// The Set-Cookie value for a new session: for every path of this server, hidden from scripts.
QByteArray SessionCookie(const QByteArray& token);

}  // namespace quorvex::server
