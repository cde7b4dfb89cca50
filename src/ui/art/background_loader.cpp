#include "ui/art/background_loader.h"

#include "art/back_names.h"
#include "art/library_rules.h"
#include "ui/art/resource_library.h"

namespace quorvex {

namespace {

QImage Stretched(const QImage& image, QSize client) {
  if (image.isNull() || image.size() == client) return image;
  return image.scaled(client, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage BuiltIn(QSize client) {
  JpegPicture jpeg;
  LoadLibraryPicture(QString::fromLatin1(kBuiltInBackgroundName), QString(), jpeg);
  return Stretched(jpeg.image, client);
}

}  // namespace

bool LoadBackground(Settings& settings, bool purple_menu, int window_size, QSize client,
                    QImage& picture) {
  if (purple_menu) {
    const QString library = QString::fromLatin1(kGraphicsLibrary);
    const ResourceLibrary lib(library);
    if (lib.IsOpen()) {
      const QImage image =
          lib.Picture(QStringLiteral("JPEG"), QString::fromLatin1(kPurpleMenuBackground));
      picture = image.isNull() ? BuiltIn(client) : Stretched(image, client);
      return true;
    }
    ShowMissingLibrary(library);
    settings.DialogPicture = false;
    settings.MenuDesign = 0;
    settings.TableDesign = 0;
    picture = BuiltIn(client);
    return false;
  }
  if (settings.Background == 0) {
    picture = QImage();
    return true;
  }
  const std::string name =
      BackgroundResourceName(settings.Background, settings.BackgroundColour, window_size);
  const bool built_in = name.empty() || (settings.Background == kDefaultBackground &&
                                         settings.BackgroundColour == kDefaultBackgroundColour);
  if (built_in) {
    // A choice outside the lists (a damaged settings file) counts as the built-in one.
    settings.Background = kDefaultBackground;
    settings.BackgroundColour = kDefaultBackgroundColour;
    picture = BuiltIn(client);
    return true;
  }
  const QString library = QString::fromLatin1(kBackgroundLibrary);
  const ResourceLibrary lib(library);
  if (lib.IsOpen()) {
    // A picture missing from a library that is there falls back quietly.
    const QImage image = lib.Picture(QStringLiteral("JPEG"), QString::fromStdString(name));
    picture = image.isNull() ? BuiltIn(client) : Stretched(image, client);
    return true;
  }
  ShowMissingLibrary(library);
  settings.Background = kDefaultBackground;
  settings.BackgroundColour = kDefaultBackgroundColour;
  picture = BuiltIn(client);
  return false;
}

}  // namespace quorvex
