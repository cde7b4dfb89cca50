#include "form.h"

#include <QList>

namespace quorvex::server {
namespace {

QByteArray FormDecode(const QByteArray& text) {
  QByteArray plus = text;
  plus.replace('+', ' ');
  return QByteArray::fromPercentEncoding(plus);
}

}  // namespace

std::optional<Form> ParseForm(const QByteArray& body) {
  if (body.size() > kMaxBody) return std::nullopt;
  // Empty pairs only come from the client's form encoder.
  const bool encoded = body.contains("&&");
  Form form;
  for (const QByteArray& pair : body.split('&')) {
    if (pair.isEmpty()) continue;
    const qsizetype eq = pair.indexOf('=');
    if (eq <= 0) return std::nullopt;
    QByteArray name = pair.left(eq);
    QByteArray value = pair.mid(eq + 1);
    if (encoded) {
      name = FormDecode(name);
      value = FormDecode(value);
    }
    if (form.contains(name)) return std::nullopt;
    form.insert(name, value);
  }
  return form;
}

std::optional<qint64> IntegerField(const Form& form, const char* name) {
  const auto it = form.find(name);
  if (it == form.end() || it->isEmpty() || it->size() > 18) return std::nullopt;
  bool ok = false;
  const qint64 value = it->toLongLong(&ok);
  if (!ok) return std::nullopt;
  return value;
}

bool CleanText(const QByteArray& value, int max) {
  if (value.isEmpty() || value.size() > max) return false;
  for (const char c : value) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || c == ' ' || c == '$' || c == '*' || c == '~' || c == '&' || c == '=')
      return false;
  }
  return true;
}

FieldNames NamesOf(const Form& form) {
  FieldNames names;
  for (auto it = form.begin(); it != form.end(); ++it) names.insert(it.key());
  return names;
}

FieldNames Set(std::initializer_list<QByteArray> names) {
  return FieldNames(names.begin(), names.end());
}

}  // namespace quorvex::server
