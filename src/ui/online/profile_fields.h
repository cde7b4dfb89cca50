// The fourteen lines of a member's public profile as the account windows show and edit them, in
// the order of the record: their texts, input limits, signs and what a click on one does.
#pragma once

#include <QString>
#include <string>

#include "online/account_records.h"

namespace quorvex {

inline constexpr int kProfileFields = 14;

// Field 0..13 of the record (Name1, Name2, About, Telephone, EMailO, Skype, WebSite, OK, VK,
// Telegram, FaceBook, Twitter, Instagramm, YouTube).
const std::string& ProfileField(const TInfo14& info, int field);
std::string& ProfileField(TInfo14& info, int field);

// The editor's input limit of a field.
int ProfileFieldLimit(int field);

// The name of the field's sign in the program's pictures ("GAcName1" .. "GAcYouTube").
QString ProfileSignName(int field);

// A click on a line of another member's profile: names do nothing, contact texts go to the
// clipboard, the web pages open in the browser.
enum class ProfileClick { None, Copy, Open };
ProfileClick ProfileClickOf(int field);

}  // namespace quorvex
