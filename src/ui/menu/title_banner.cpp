#include "ui/menu/title_banner.h"

#include <QString>

#include "art/recolour.h"
#include "locale/languages.h"
#include "settings/settings.h"
#include "ui/art/own_pictures.h"
#include "ui/art/picture_helpers.h"

namespace quorvex {

QImage TitleBanner(const Settings& settings, int width, int height) {
  const std::string_view code = LanguageOf(settings.Language).picture_code;
  QImage banner = OwnPicture(QStringLiteral("Cap") +
                             QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
  if (settings.CaptionColour != 1) Recolour(banner, kRedArt, settings.CaptionColour);
  ResizePng(banner, width, height);
  return banner;
}

}  // namespace quorvex
