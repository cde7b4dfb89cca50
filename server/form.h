// The fields of a request body. A form the client's encoder made («nick=A&&pw=B») has its names
// and values percent-encoded; a body the client built itself is raw Windows-1251 and is taken
// byte for byte.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <initializer_list>
#include <optional>

namespace quorvex::server {

using Form = QMap<QByteArray, QByteArray>;

inline constexpr int kMaxBody = 16 * 1024;

// nullopt for a body that is too long, names a field twice or holds a pair without "=".
std::optional<Form> ParseForm(const QByteArray& body);

// The names of a form's fields, to tell the requests of a service apart by them; and a set of
// names as a request of the service has them.
using FieldNames = QSet<QByteArray>;
FieldNames NamesOf(const Form& form);
FieldNames Set(std::initializer_list<QByteArray> names);

// A field's value as an integer; nullopt when it is not one.
std::optional<qint64> IntegerField(const Form& form, const char* name);

// A text value that may travel in a reply: not empty, at most `max` bytes, and free of the
// characters that separate values and entries.
bool CleanText(const QByteArray& value, int max);

}  // namespace quorvex::server
