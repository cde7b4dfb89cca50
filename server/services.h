// The records service (world lists and chat) and the statistics service: a form in, a reply in
// the layouts the game's readers cut. Anything a service does not expect is refused with "no",
// a reply without data, and changes nothing.
#pragma once

#include <QByteArray>
#include <QHash>

#include "account_store.h"
#include "chat_flood_guard.h"
#include "form.h"
#include "session_cookie.h"
#include "storage.h"

namespace quorvex::server {

inline const QByteArray kRefusal = QByteArrayLiteral("no#");
inline const QByteArray kAccepted = QByteArrayLiteral("$ ok#");

class Services {
 public:
  Services(Storage& storage, AccountStore& accounts);
  ~Services();
  Services(const Services&) = delete;
  Services& operator=(const Services&) = delete;

  // A write to the account score list by a session logged in as the entry's nick earns its
  // member a bonus for a place among the first ten. A chat message (list 100) is taken only with
  // a text of the chat's characters, and only one per 15 seconds from one address.
  QByteArray Records(const Form& form, const Caller& caller);
  QByteArray Stats(const Form& form);

 private:
  QByteArray TopTen(qint64 gid);
  QByteArray WriteEntry(const Form& form, qint64 gid, const Caller& caller);
  // Whether a chat message may take this number: 1 up to the newest message's number + 1.
  bool NextChatNumber(qint64 number);

  Storage& storage_;
  AccountStore& accounts_;
  // The top ten of each list as last answered; a write to the list forgets it.
  QHash<qint64, QByteArray> top_ten_;
  ChatFloodGuard chat_flood_;
};

// The lists the records service keeps: this game's (47), its mobile edition's (147), the
// account list (347) and the chat (100).
bool KnownList(qint64 gid);

}  // namespace quorvex::server
