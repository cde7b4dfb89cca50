// Makes the program's pictures and its resource libraries from Debian's card decks and our
// own drawing. One run makes one part: its pictures in <out>/<part>/ and the list <out>/<part>.qrc
// that rcc turns into the library.
//
// Usage: quorvex_artgen <part> <out> --kde <dir> --gnome <dir> --symbols <font file> --flags <dir>
// Parts: own (the program's resources), cardsA, cardsB, cardsC, backgrounds, graphics, calendar,
// radio (with --stations <station list text>);
// "preview <first design> <last design> <png>" draws a sheet of faces straight from the art.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMap>
#include <cstdio>

#include "art_parts.h"
#include "bundle_writer.h"
#include "glyphs.h"
#include "radio_part.h"

namespace {

int Usage(const char* self) {
  std::fprintf(
      stderr,
      "usage: %s <own|cardsA|cardsB|cardsC|backgrounds|graphics|calendar|radio> <out folder> "
      "--kde <dir> --gnome <dir> --symbols <font> --flags <dir>\n",
      self);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Pictures are drawn off screen; no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3) return Usage(argv[0]);
  QMap<QString, QString> options;
  QStringList positional;
  for (int i = 1; i < args.size(); ++i) {
    if (args[i].startsWith(QLatin1String("--")) && i + 1 < args.size()) {
      options[args[i].mid(2)] = args[i + 1];
      ++i;
    } else {
      positional.append(args[i]);
    }
  }
  artgen::Inputs in;
  in.decks = {options.value(QStringLiteral("kde"), QStringLiteral("/usr/share/carddecks")),
              options.value(QStringLiteral("gnome"), QStringLiteral("/usr/share/aisleriot/cards"))};
  in.flags =
      options.value(QStringLiteral("flags"), QStringLiteral("/usr/share/flags/countries/16x11"));
  const QString symbols =
      options.value(QStringLiteral("symbols"),
                    QStringLiteral("/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf"));
  if (!artgen::LoadSymbolFont(symbols)) {
    std::fprintf(stderr,
                 "artgen: cannot read the font %s: install the Debian package fonts-symbola "
                 "(scripts/deps.sh lists it)\n",
                 qPrintable(symbols));
    return 1;
  }

  QElapsedTimer timer;
  timer.start();
  const QString part = positional.value(0);
  if (part == QLatin1String("preview-backs"))
    return artgen::PreviewBacks(in, positional.value(1)) ? 0 : 1;
  if (part == QLatin1String("preview")) {
    if (positional.size() != 4) return Usage(argv[0]);
    const bool ok =
        artgen::PreviewFaces(in, positional[1].toInt(), positional[2].toInt(), positional[3]);
    return ok ? 0 : 1;
  }
  artgen::BundleWriter out(positional.value(1) + QLatin1Char('/') + part);
  bool ok = false;
  if (part == QLatin1String("own")) {
    ok = artgen::MakeOwnPart(out, in);
  } else if (part == QLatin1String("cardsA")) {
    ok = artgen::MakeCardsA(out, in);
  } else if (part == QLatin1String("cardsB")) {
    ok = artgen::MakeCardsB(out, in);
  } else if (part == QLatin1String("cardsC")) {
    ok = artgen::MakeCardsC(out, in);
  } else if (part == QLatin1String("backgrounds")) {
    ok = artgen::MakeBackgroundsPart(out, in);
  } else if (part == QLatin1String("graphics")) {
    ok = artgen::MakeGraphicsPart(out, in);
  } else if (part == QLatin1String("calendar")) {
    ok = artgen::MakeCalendarPart(out, in);
  } else if (part == QLatin1String("radio")) {
    ok = artgen::MakeRadioPart(out, options.value(QStringLiteral("stations")));
  } else {
    return Usage(argv[0]);
  }
  ok = ok && out.Finish();
  std::fprintf(stderr, "artgen: %s: %d pictures in %.1f s\n", qPrintable(part), out.Count(),
               timer.elapsed() / 1000.0);
  return ok ? 0 : 1;
}
