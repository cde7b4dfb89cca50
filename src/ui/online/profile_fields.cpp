#include "ui/online/profile_fields.h"

#include <array>

namespace quorvex {
namespace {

using Member = std::string TInfo14::*;
constexpr std::array<Member, kProfileFields> kMembers = {
    &TInfo14::Name1,      &TInfo14::Name2,    &TInfo14::About,    &TInfo14::Telephone,
    &TInfo14::EMailO,     &TInfo14::Skype,    &TInfo14::WebSite,  &TInfo14::OK,
    &TInfo14::VK,         &TInfo14::Telegram, &TInfo14::FaceBook, &TInfo14::Twitter,
    &TInfo14::Instagramm, &TInfo14::YouTube};

constexpr std::array<int, kProfileFields> kLimits = {20, 20, 50, 20, 50, 50, 50,
                                                     50, 50, 50, 60, 50, 50, 50};

constexpr std::array<const char*, kProfileFields> kSigns = {
    "GAcName1",    "GAcName2",   "GAcAbout",      "GAcTelephone", "GAcEMail",
    "GAcSkype",    "GAcWebSite", "GAcOK",         "GAcVK",        "GAcTelegram",
    "GAcFaceBook", "GAcTwitter", "GAcInstagramm", "GAcYouTube"};

size_t Index(int field) {
  return field >= 0 && field < kProfileFields ? size_t(field) : 0;
}

}  // namespace

const std::string& ProfileField(const TInfo14& info, int field) {
  return info.*kMembers[Index(field)];
}

std::string& ProfileField(TInfo14& info, int field) {
  return info.*kMembers[Index(field)];
}

int ProfileFieldLimit(int field) {
  return kLimits[Index(field)];
}

QString ProfileSignName(int field) {
  return QString::fromLatin1(kSigns[Index(field)]);
}

ProfileClick ProfileClickOf(int field) {
  switch (field) {
    case 2:  // About
    case 3:  // Telephone
    case 4:  // EMailO
    case 5:  // Skype
    case 9:  // Telegram
      return ProfileClick::Copy;
    case 6:   // WebSite
    case 7:   // OK
    case 8:   // VK
    case 10:  // FaceBook
    case 11:  // Twitter
    case 12:  // Instagramm
    case 13:  // YouTube
      return ProfileClick::Open;
    default:
      return ProfileClick::None;
  }
}

}  // namespace quorvex
