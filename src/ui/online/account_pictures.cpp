#include "ui/online/account_pictures.h"

#include <optional>

#include "online/avatar.h"
#include "ui/art/resource_library.h"

namespace quorvex {

QImage OwnAccountPicture(const QString& name) {
  QImage picture;
  LoadLibraryPicture(name, QString(), picture);
  return picture;
}

QImage NoPhotoPicture(char sex) {
  return OwnAccountPicture(sex == 'W' ? QStringLiteral("GAcNoF") : QStringLiteral("GAcNoM"));
}

QImage MemberPhoto(HttpClient& http, const std::string& avatar_base, const std::string& nick,
                   char sex) {
  if (const std::optional<std::string> jpeg = FetchAvatar(http, avatar_base, nick)) {
    const QImage photo = QImage::fromData(reinterpret_cast<const uchar*>(jpeg->data()),
                                          static_cast<int>(jpeg->size()), "JPEG");
    if (!photo.isNull()) return photo;
  }
  return NoPhotoPicture(sex);
}

QImage StateStar(AccountState state) {
  switch (state) {
    case AccountState::LoggedIn:
      return OwnAccountPicture(QStringLiteral("StarY0"));
    case AccountState::RatingGame:
      return OwnAccountPicture(QStringLiteral("StarG0"));
    case AccountState::NotLoggedIn:
      break;
  }
  return OwnAccountPicture(QStringLiteral("StarR0"));
}

}  // namespace quorvex
