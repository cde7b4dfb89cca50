// The fields of a request body. A form the client's encoder made («nick=A&&pw=B») has its names
// and values percent-encoded; a body the client built itself is raw Windows-1251 and is taken
// byte for byte.
#pragma once

#include <QByteArray>
#include <QMap>
#include <optional>

namespace quorvex::server {

using Form = QMap<QByteArray, QByteArray>;

inline constexpr int kMaxBody = 16 * 1024;

// nullopt for a body that is too long, names a field twice or holds a pair without "=".
std::optional<Form> ParseForm(const QByteArray& body);

// A field's value as an integer; nullopt when it is not one.
std::optional<qint64> IntegerField(const Form& form, const char* name);

// A text value that may travel in a reply: not empty, at most `max` bytes, and free of the
// characters that separate values and entries.
bool CleanText(const QByteArray& value, int max);

}  // namespace quorvex::server
