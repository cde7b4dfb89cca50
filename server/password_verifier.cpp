#include "password_verifier.h"

#include <QCryptographicHash>
#include <QList>
#include <QMessageAuthenticationCode>
#include <QPasswordDigestor>
#include <QRandomGenerator>

namespace quorvex::server {
namespace {

constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;
// Bounds the memory of remembered passwords; forgetting costs only a slow hash.
constexpr int kMaxRemembered = 4096;
const QByteArray kScheme = QByteArrayLiteral("pbkdf2-sha256");

QByteArray RandomBytes(int n) {
  QByteArray bytes(n, Qt::Uninitialized);
  QRandomGenerator::system()->generate(reinterpret_cast<quint32*>(bytes.data()),
                                       reinterpret_cast<quint32*>(bytes.data() + n));
  return bytes;
}

QByteArray Derive(const QByteArray& password, const QByteArray& salt, int iterations) {
  return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password, salt, iterations,
                                            kKeyBytes);
}

}  // namespace

bool ConstantTimeEqual(const QByteArray& a, const QByteArray& b) {
  if (a.size() != b.size()) return false;
  unsigned char diff = 0;
  for (qsizetype i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
  return diff == 0;
}

PasswordVerifier::PasswordVerifier(int iterations)
    : iterations_(iterations), key_(RandomBytes(kKeyBytes)) {}

QByteArray PasswordVerifier::Hash(const QByteArray& password) {
  const QByteArray salt = RandomBytes(kSaltBytes);
  const QByteArray stored = kScheme + '$' + QByteArray::number(iterations_) + '$' +
                            salt.toBase64() + '$' + Derive(password, salt, iterations_).toBase64();
  Remember(password, stored);
  return stored;
}

bool PasswordVerifier::Verify(const QByteArray& password, const QByteArray& stored) {
  const auto known = verified_.constFind(stored);
  if (known != verified_.constEnd() && ConstantTimeEqual(*known, Fingerprint(password, stored)))
    return true;
  const QList<QByteArray> parts = stored.split('$');
  if (parts.size() != 4 || parts[0] != kScheme) return false;
  bool ok = false;
  const int iterations = parts[1].toInt(&ok);
  if (!ok || iterations < 1) return false;
  const QByteArray salt = QByteArray::fromBase64(parts[2]);
  const QByteArray key = QByteArray::fromBase64(parts[3]);
  if (salt.isEmpty() || key.size() != kKeyBytes) return false;
  if (!ConstantTimeEqual(Derive(password, salt, iterations), key)) return false;
  Remember(password, stored);
  return true;
}

QByteArray PasswordVerifier::Fingerprint(const QByteArray& password,
                                         const QByteArray& stored) const {
  return QMessageAuthenticationCode::hash(stored + '\0' + password, key_,
                                          QCryptographicHash::Sha256);
}

void PasswordVerifier::Remember(const QByteArray& password, const QByteArray& stored) {
  if (verified_.size() >= kMaxRemembered) verified_.clear();
  verified_.insert(stored, Fingerprint(password, stored));
}

}  // namespace quorvex::server
