// The server's services behind their parsed forms: records, statistics, account and tournament,
// on a SQLite store of the run's own. An input is a few requests, one a line: the first byte
// names the service, the rest is the body. A session a login opens is the caller's for the
// requests after it, so that the members' own paths are reached too.
#include <QCoreApplication>
#include <QList>

#include "account_service.h"
#include "form.h"
#include "fuzz_support.h"
#include "services.h"
#include "storage.h"
#include "tournament_service.h"

using namespace quorvex::server;

namespace {

// Enough for the services to work; the password hash is as cheap as it can be so that the
// fuzzer spends its time on the parsing.
struct ServerUnderTest {
  ServerUnderTest()
      : accounts(OpenStorage(storage)),
        services(storage, accounts),
        account(accounts, 1),
        tournament(storage, accounts, QStringLiteral("127.0.0.1"), 9100, [] { return qint64(0); }) {
  }

  static Storage& OpenStorage(Storage& storage) {
    QString error;
    if (!storage.Open(QString::fromStdString(quorvex::fuzz::ScratchFolder::Path().string()),
                      QString(), &error))
      std::abort();
    return storage;
  }

  Storage storage;
  AccountStore accounts;
  Services services;
  AccountService account;
  TournamentService tournament;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "fuzz_server_services";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  static ServerUnderTest server;

  const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Caller caller{QStringLiteral("127.0.0.1"), {}};
  int requests = 0;
  for (const QByteArray& line : input.split('\n')) {
    if (line.isEmpty() || ++requests > 8) continue;
    const std::optional<Form> form = ParseForm(line.mid(1));
    if (!form) continue;
    QByteArray reply;
    switch (line[0] % 4) {
      case 0:
        reply = server.services.Records(*form, caller);
        break;
      case 1:
        reply = server.services.Stats(*form);
        break;
      case 2: {
        const ServiceReply answer = server.account.Handle(*form, caller);
        reply = answer.body;
        if (!answer.new_session.isEmpty()) caller.session = answer.new_session;
        break;
      }
      default:
        reply = server.tournament.Handle(*form, caller);
        break;
    }
    // Every answer is a reply the game can read: never empty.
    FUZZ_CHECK(!reply.isEmpty());
  }
  return 0;
}
