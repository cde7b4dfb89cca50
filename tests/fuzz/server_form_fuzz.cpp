// The server's reading of a request: the body's form, its fields' checks and the session cookie
// among the headers, for every service. Nothing is read past the body; a raw form, joined again,
// parses back to the same fields.
#include <QByteArray>
#include <QList>
#include <QPair>

#include "account_fields.h"
#include "form.h"
#include "fuzz_support.h"
#include "session_cookie.h"

using namespace quorvex::server;

namespace {

void CheckFields(const Form& form) {
  for (auto it = form.begin(); it != form.end(); ++it) {
    FUZZ_CHECK(!it.key().isEmpty());
    (void)IntegerField(form, it.key().constData());
    (void)CleanText(it.value(), 40);
    (void)ReplySafe(it.value(), 40);
    (void)ProfileSafe(it.value(), 50);
    (void)NickKey(it.value());
    for (AccountField kind :
         {AccountField::Nick, AccountField::City, AccountField::Password, AccountField::EMail}) {
      const int check = CheckAccountField(it.value(), kind);
      FUZZ_CHECK(check >= 1 && check <= 3);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::optional<Form> form = ParseForm(body);
  if (form) {
    CheckFields(*form);
    FUZZ_CHECK(form->size() <= body.size());
    if (!body.contains("&&")) {
      QList<QByteArray> pairs;
      for (auto it = form->begin(); it != form->end(); ++it) pairs << it.key() + '=' + it.value();
      FUZZ_CHECK(ParseForm(pairs.join('&')) == form);
    }
  }
  // The same bytes as the value of a cookie header: a token is well formed or not there at all.
  const QByteArray token = SessionToken({{QByteArrayLiteral("Cookie"), body}});
  FUZZ_CHECK(token.isEmpty() || token.size() == 64);
  return 0;
}
