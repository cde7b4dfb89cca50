// The pictures of the account window: a member's photo from the account service's picture
// folder, or the stand-in for a member without one, and the star of the account state.
#pragma once

#include <QImage>
#include <string>

#include "online/account_records.h"
#include "online/http_client.h"

namespace quorvex {

// The member's photo; the stand-in of the member's sex when there is none or it is no picture.
QImage MemberPhoto(HttpClient& http, const std::string& avatar_base, const std::string& nick,
                   char sex);
// "GAcNoF" for 'W', "GAcNoM" for anything else.
QImage NoPhotoPicture(char sex);
// "StarR0", "StarY0" or "StarG0".
QImage StateStar(AccountState state);
// A picture of the program's own by name; null when it is missing.
QImage OwnAccountPicture(const QString& name);

}  // namespace quorvex
