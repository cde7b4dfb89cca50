// Passwords are kept only as salted slow hashes: PBKDF2-SHA256 with a random salt per member,
// stored as "pbkdf2-sha256$<iterations>$<salt>$<key>" (base64), so that the count can be raised
// later without locking anyone out. A slow hash blocks the server's one thread for a moment, so a
// password once found right is remembered in memory by a keyed fingerprint (never the password,
// never on disk) and later requests of that member cost a fast hash only.
#pragma once

#include <QByteArray>
#include <QHash>

namespace quorvex::server {

class PasswordVerifier {
 public:
  explicit PasswordVerifier(int iterations);

  // A new stored form of the password with a fresh salt.
  QByteArray Hash(const QByteArray& password);
  // Whether the password is the one the stored form was made from; compared in constant time.
  bool Verify(const QByteArray& password, const QByteArray& stored);

  static constexpr int kDefaultIterations = 100000;
  static constexpr int kMinIterations = 10000;

 private:
  QByteArray Fingerprint(const QByteArray& password, const QByteArray& stored) const;
  void Remember(const QByteArray& password, const QByteArray& stored);

  int iterations_;
  QByteArray key_;  // random for each run of the server
  // Stored form -> fingerprint of the password found right for it.
  QHash<QByteArray, QByteArray> verified_;
};

// Equal contents in a time that does not depend on where they differ.
bool ConstantTimeEqual(const QByteArray& a, const QByteArray& b);

}  // namespace quorvex::server
