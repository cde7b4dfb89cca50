// The rules a club member's fields follow, as the game's account window checks them as they are
// typed; the account service checks them again, since a request need not come from the game.
// Texts are the client's Windows-1251 bytes.
#pragma once

#include <QByteArray>

namespace quorvex::server {

enum class AccountField { Nick = 1, City = 2, Password = 3, EMail = 4 };

// 1 invalid, 2 valid with Cyrillic letters, 3 valid without them. Nick, password and e-mail
// admit no Cyrillic letters; an e-mail needs an "@" after its first character and before its
// last.
int CheckAccountField(const QByteArray& text, AccountField kind);

// A value that may stand in a "$"-framed reply cut at spaces, or in an entry ended by "*": not
// empty, at most `max` bytes, no separators, no control characters.
bool ReplySafe(const QByteArray& value, int max);
// A profile text, cut at "~" in its reply: may be empty and hold spaces, but no "$", no "~" and
// no control characters.
bool ProfileSafe(const QByteArray& value, int max);

// The ASCII-lowercased nick: two nicks that differ only in case are one member.
QByteArray NickKey(const QByteArray& nick);

}  // namespace quorvex::server
