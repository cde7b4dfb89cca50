// The card loaders: where libraries are looked for, what happens when one is missing or
// damaged, the sizes and cells of every window size, and the drawing of cards and special codes.
#include <gtest/gtest.h>

#include "support/cards.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "art/card_names.h"
#include "art/face_pixels.h"
#include "art/library_rules.h"
#include "game/platform.h"
#include "locale/lang_text.h"
#include "ui/art/background_loader.h"
#include "ui/art/card_images.h"
#include "ui/art/resource_library.h"
#include "ui/dialogs/notice_window.h"

namespace quorvex {
namespace {

const QString kBin = QStringLiteral(QUORVEX_BIN_DIR);

using testing::Card;

// Always the first choice.
class FirstRandom : public Random {
 public:
  void Reseed() override {}
  int Below(int) override { return 0; }
};

// A working directory inside a parent, each holding the libraries a test puts there; every
// notice shown meanwhile is kept.
class CardLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    work_ = root_.path() + QStringLiteral("/game");
    QDir().mkpath(work_);
    SetLibraryDirectory(work_);
    SetNoticeHook(
        [this](const QString& line1, const QString&, const QString&) { notices_.append(line1); });
  }
  void TearDown() override {
    SetLibraryDirectory(QString());
    SetNoticeHook(nullptr);
  }

  // in: "work" or "parent"
  void Provide(const char* library, const char* in) {
    const QString dir = QString::fromLatin1(in) == QLatin1String("work") ? work_ : root_.path();
    ASSERT_TRUE(QFile::link(kBin + QLatin1Char('/') + QLatin1String(library),
                            dir + QLatin1Char('/') + QLatin1String(library)));
  }
  // A copy cut off after its first `keep` bytes.
  void ProvideDamaged(const char* library, qint64 keep) {
    QFile in(kBin + QLatin1Char('/') + QLatin1String(library));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QFile out(work_ + QLatin1Char('/') + QLatin1String(library));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(in.read(keep));
  }
  QString MissingNotice(const char* library) const {
    return QString::fromStdString(Text(Tx::CantFindFile)) + QLatin1Char(' ') +
           QLatin1String(library);
  }
  void Window(CardImages& images, int window_size) {
    images.SetWindow(window_size, WindowScaleFor(window_size, 0, 0));
  }

  QTemporaryDir root_;
  QString work_;
  QStringList notices_;
  Settings settings_;
};

TEST_F(CardLoading, AMissingLibraryFallsBackToTheBuiltInFaces) {
  settings_.CardFaceSet = 35;
  CardImages images(settings_);
  Window(images, 1);
  EXPECT_FALSE(images.LoadCardFaces());
  EXPECT_EQ(notices_, QStringList{MissingNotice(kCardsLibraryB)});
  EXPECT_EQ(settings_.CardFaceSet, 0);
  EXPECT_EQ(images.FaceImage(Card("Qs")).size(), QSize(69, 94));
  EXPECT_TRUE(images.WideFaces());
  EXPECT_FALSE(images.Back(images.BackNumber(), false).isNull());
}

TEST_F(CardLoading, ALibraryInTheParentFolderLoads) {
  Provide(kCardsLibraryB, "parent");
  settings_.CardFaceSet = 35;
  CardImages images(settings_);
  Window(images, 1);
  EXPECT_TRUE(images.LoadCardFaces());
  EXPECT_TRUE(notices_.isEmpty());
  EXPECT_EQ(settings_.CardFaceSet, 35);
  EXPECT_FALSE(images.WideFaces());
  EXPECT_EQ(images.FaceImage(Card("Qs")).size(), QSize(69, 94));
}

TEST_F(CardLoading, ADamagedLibraryCountsAsMissing) {
  for (qint64 keep : {qint64{0}, qint64{10}, qint64{4000}, qint64{3000000}}) {
    ProvideDamaged(kCardsLibraryC, keep);
    settings_.CardFaceSet = 44;
    CardImages images(settings_);
    Window(images, 1);
    EXPECT_FALSE(images.LoadCardFaces()) << keep;
    EXPECT_EQ(settings_.CardFaceSet, 0);
    QFile::remove(work_ + QStringLiteral("/") + QLatin1String(kCardsLibraryC));
  }
  // A sound copy in the parent is found past the damaged one.
  ProvideDamaged(kCardsLibraryC, 5000);
  Provide(kCardsLibraryC, "parent");
  settings_.CardFaceSet = 44;
  CardImages images(settings_);
  Window(images, 1);
  EXPECT_TRUE(images.LoadCardFaces());
  EXPECT_EQ(settings_.CardFaceSet, 44);
}

TEST_F(CardLoading, TheInvertedEllipseIsUndoneOnLoading) {
  Provide(kCardsLibraryA, "work");
  settings_.CardFaceSet = 8;
  for (int window_size : {1, 5}) {
    CardImages images(settings_);
    Window(images, window_size);
    ASSERT_TRUE(images.LoadCardFaces());
    const int stored = window_size == 1 ? kNormalSize : 2;
    const TCard two = Card("2h");
    const QImage raw = ResourceLibrary(QString::fromLatin1(kCardsLibraryA))
                           .Picture(QStringLiteral("RCDATA"),
                                    QString::fromStdString(FaceResourceName(two, 8, stored)));
    const QImage loaded = images.FaceImage(two).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(raw.size(), loaded.size());
    // The middle of a two is white paper once loaded; the library keeps it black.
    const QPoint middle(raw.width() / 2, raw.height() / 2);
    EXPECT_EQ(loaded.pixel(middle), qRgb(255, 255, 255)) << window_size;
    EXPECT_EQ(raw.pixel(middle), qRgb(0, 0, 0)) << window_size;
    // Outside the ellipse nothing changes; inside, every pixel is the stored one inverted.
    const PixelRect ellipse = FaceEllipse(stored, true);
    int inside = 0;
    for (int y = 0; y < raw.height(); ++y)
      for (int x = 0; x < raw.width(); ++x) {
        const bool in = EllipseContains(ellipse, x, y);
        inside += in;
        ASSERT_EQ(loaded.pixel(x, y), in ? raw.pixel(x, y) ^ 0x00FFFFFFu : raw.pixel(x, y))
            << x << "," << y;
      }
    EXPECT_GT(inside, raw.width() * raw.height() / 3);
  }
}

TEST_F(CardLoading, SizeClassesCellsAndDrawing) {
  struct Case {
    int window_size, design, size_class;
    QSize cell;
    int layout_offset;
  };
  const Case cases[] = {
      {1, 0, 1, {71, 96}, 0},    {3, 0, 0, {92, 125}, 0},  {4, 40, 0, {121, 163}, 0},
      {4, 33, 0, {104, 163}, 5}, {5, 0, 2, {146, 198}, 0}, {5, 47, 2, {126, 198}, 5},
  };
  Provide(kCardsLibraryB, "work");
  Provide(kCardsLibraryC, "work");
  for (const Case& c : cases) {
    settings_.CardFaceSet = c.design;
    CardImages images(settings_);
    Window(images, c.window_size);
    ASSERT_TRUE(images.LoadCardFaces()) << c.window_size << " " << c.design;
    EXPECT_EQ(images.SizeClass(), c.size_class);
    EXPECT_EQ(QSize(images.Cell().width, images.Cell().height), c.cell);
    EXPECT_EQ(images.LayoutOffset(), c.layout_offset);
    // The card covers exactly its cell; big resampled cards leave their corners clear.
    QImage target(200, 240, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    QPainter p(&target);
    images.DrawCard(10, 20, Card("Kd"), p);
    p.end();
    int left = 999, top = 999, right = -1, bottom = -1;
    for (int y = 0; y < target.height(); ++y)
      for (int x = 0; x < target.width(); ++x)
        if (qAlpha(target.pixel(x, y)) > 0) {
          left = std::min(left, x), top = std::min(top, y);
          right = std::max(right, x), bottom = std::max(bottom, y);
        }
    EXPECT_EQ(QRect(QPoint(left, top), QPoint(right, bottom)), QRect(QPoint(10, 20), c.cell))
        << c.window_size << " " << c.design;
    EXPECT_EQ(qAlpha(target.pixel(10, 20)), 0) << "the corner is cut";
    EXPECT_EQ(qAlpha(target.pixel(10 + c.cell.width() / 2, 20 + c.cell.height() / 2)), 255);
    if (c.size_class == 1) {
      EXPECT_EQ(target.pixel(11, 21), qRgb(0, 0, 0)) << "corner pixel";
    }
  }
}

TEST_F(CardLoading, SpecialCodesDrawTheirPictures) {
  CardImages images(settings_);
  Window(images, 4);
  ASSERT_TRUE(images.LoadCardFaces());
  const QSize cell(images.Cell().width, images.Cell().height);
  auto drawn = [&](TCard code) {
    QImage target(cell, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    QPainter p(&target);
    images.DrawCard(0, 0, code, p);
    p.end();
    return target;
  };
  // A plain coloured card is its colour all over; the knock cards differ from each other.
  const QImage red = drawn(TCard{'X', 'r'});
  EXPECT_GT(qRed(red.pixel(cell.width() / 2, cell.height() / 2)), 150);
  EXPECT_LT(qGreen(red.pixel(cell.width() / 2, cell.height() / 2)), 80);
  const QImage navy = drawn(TCard{'X', 'n'});
  EXPECT_GT(qBlue(navy.pixel(cell.width() / 2, cell.height() / 2)), 90);
  EXPECT_NE(drawn(TCard{'K', 'Y'}), drawn(TCard{'K', 'N'}));
  EXPECT_FALSE(drawn(TCard{'F', 'r'}).isNull());
  QImage empty(cell, QImage::Format_ARGB32_Premultiplied);
  empty.fill(Qt::transparent);
  EXPECT_EQ(drawn(TCard{'X', 'q'}), empty);
  EXPECT_EQ(drawn(kEmptyCard), empty);
}

TEST_F(CardLoading, TheEpicDiamondsSymbolIsFilledWithSilver) {
  Provide(kCardsLibraryA, "work");
  settings_.CardFaceSet = kFilledSymbolDesign;
  CardImages images(settings_);
  Window(images, 1);
  ASSERT_TRUE(images.LoadCardFaces());
  const QImage raw =
      ResourceLibrary(QString::fromLatin1(kCardsLibraryA))
          .Picture(QStringLiteral("RCDATA"),
                   QString::fromStdString(SuitSymbolName(1, kFilledSymbolDesign, 1)));
  EXPECT_EQ(raw.pixel(0, 0) & 0xFFFFFFu, kSymbolGrey);
  EXPECT_EQ(images.Symbol(1).pixel(0, 0) & 0xFFFFFFu, kSilver);
  EXPECT_EQ(images.BigSymbol(1).pixel(0, 0) & 0xFFFFFFu, kSilver);
  // The sign in the middle keeps its colour; another suit is not filled.
  EXPECT_NE(images.Symbol(1).pixel(10, 10) & 0xFFFFFFu, kSilver);
  EXPECT_NE(images.Symbol(0).pixel(0, 0) & 0xFFFFFFu, kSilver);
}

TEST_F(CardLoading, BacksFollowTheirDesignAndFallBack) {
  // The classic backs of narrow big faces are in library B.
  Provide(kCardsLibraryB, "work");
  settings_.CardFaceSet = 33;
  settings_.DeckSet = 0;
  {
    CardImages images(settings_);
    Window(images, 5);
    ASSERT_TRUE(images.LoadCardFaces());
    EXPECT_EQ(images.Back(7, false).size(), QSize(126, 198));
    EXPECT_EQ(images.Back(7, true).size(), QSize(198, 126));
  }
  QFile::remove(work_ + QStringLiteral("/") + QLatin1String(kCardsLibraryB));
  Provide(kCardsLibraryA, "work");
  // Back design 3 without library B: the classic backs, the faces stay.
  settings_.CardFaceSet = 5;
  settings_.DeckSet = 3;
  {
    CardImages images(settings_);
    Window(images, 1);
    EXPECT_FALSE(images.LoadCardFaces());
    EXPECT_EQ(notices_, QStringList{MissingNotice(kCardsLibraryB)});
    EXPECT_EQ(settings_.DeckSet, 0);
    EXPECT_EQ(settings_.CardFaceSet, 5);
    EXPECT_EQ(images.Back(1, false).size(), QSize(69, 94));
  }
  // The random decks have ten backs; the back of a deal follows the rules.
  notices_.clear();
  Provide(kCardsLibraryB, "work");
  settings_.DeckSet = 9;
  CardImages images(settings_);
  Window(images, 1);
  ASSERT_TRUE(images.LoadCardFaces());
  EXPECT_FALSE(images.Back(10, false).isNull());
  EXPECT_EQ(images.Back(10, true).size(), QSize(94, 69));
}

TEST_F(CardLoading, NarrowFacesWithoutLibraryBStillHaveBacksToDraw) {
  // Faces of library A that are narrow, a back design of library B, the largest window: the
  // classic backs for these faces are in library B too, so the built-in ones stand in.
  Provide(kCardsLibraryA, "work");
  settings_.CardFaceSet = 29;
  settings_.DeckSet = 3;
  CardImages images(settings_);
  Window(images, 5);
  EXPECT_FALSE(images.LoadCardFaces());
  EXPECT_EQ(notices_, QStringList{MissingNotice(kCardsLibraryB)});
  EXPECT_EQ(settings_.DeckSet, 0);
  EXPECT_EQ(settings_.CardFaceSet, 29);
  EXPECT_FALSE(images.WideFaces());
  for (int number = 1; number <= 7; ++number) {
    EXPECT_FALSE(images.Back(number, false).isNull()) << number;
    EXPECT_FALSE(images.Back(number, true).isNull()) << number;
  }
  // Drawn, the back fills the narrow cell.
  QImage cell(images.Cell().width, images.Cell().height, QImage::Format_ARGB32_Premultiplied);
  cell.fill(Qt::transparent);
  QPainter p(&cell);
  images.DrawBack(0, 0, p);
  p.end();
  EXPECT_GT(qAlpha(cell.pixel(cell.width() / 2, cell.height() / 2)), 200);
}

TEST_F(CardLoading, WithoutLibraryBEveryWindowSizeHasBacksToDraw) {
  // Faces from library A, wide and narrow, and from the program; a back design of library B,
  // which is missing: at every size every back is drawn over its whole cell.
  Provide(kCardsLibraryA, "work");
  struct Case {
    int face, deck, window_size;
  } const cases[] = {{5, 3, 1},  {5, 3, 3},  {5, 3, 4}, {5, 3, 5},  {29, 3, 1},
                     {29, 3, 4}, {29, 3, 5}, {0, 9, 5}, {29, 0, 5}, {5, 11, 5}};
  for (const Case& c : cases) {
    const std::string label = std::to_string(c.face) + "/" + std::to_string(c.deck) + " size " +
                              std::to_string(c.window_size);
    settings_.CardFaceSet = c.face;
    settings_.DeckSet = c.deck;
    CardImages images(settings_);
    Window(images, c.window_size);
    images.LoadCardFaces();
    EXPECT_EQ(settings_.DeckSet, 0) << label;
    for (int weekday = 1; weekday <= 7; ++weekday) {
      FirstRandom random;
      images.ChooseBack(weekday, random);
      for (const bool rotated : {false, true}) {
        const QSize cell = rotated ? QSize(images.Cell().height, images.Cell().width)
                                   : QSize(images.Cell().width, images.Cell().height);
        QImage drawn(cell, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter p(&drawn);
        images.DrawBack(0, 0, p, rotated);
        p.end();
        // Opaque from edge to edge through the middle, apart from the rounded corners.
        const int y = cell.height() / 2, x = cell.width() / 2;
        EXPECT_GT(qAlpha(drawn.pixel(x, y)), 200) << label << " day " << weekday;
        EXPECT_GT(qAlpha(drawn.pixel(1, y)), 200) << label << " day " << weekday;
        EXPECT_GT(qAlpha(drawn.pixel(cell.width() - 2, y)), 200) << label << " day " << weekday;
        EXPECT_GT(qAlpha(drawn.pixel(x, 1)), 200) << label << " day " << weekday;
      }
    }
  }
}

TEST_F(CardLoading, ClassicNarrowBigBacksMissingResetTheFacesToo) {
  Provide(kCardsLibraryC, "work");
  settings_.CardFaceSet = 47;
  settings_.DeckSet = 0;
  CardImages images(settings_);
  Window(images, 5);
  EXPECT_FALSE(images.LoadCardFaces());
  EXPECT_EQ(notices_, QStringList{MissingNotice(kCardsLibraryB)});
  EXPECT_EQ(settings_.CardFaceSet, 0);
  EXPECT_TRUE(images.WideFaces());
  EXPECT_EQ(images.FaceImage(Card("Ah")).size(), QSize(146, 198));
  EXPECT_EQ(images.Back(1, false).size(), QSize(146, 198));
}

TEST_F(CardLoading, Backgrounds) {
  const QSize client(990, 650);
  QImage picture;
  // From the library, stretched to the window.
  Provide(kBackgroundLibrary, "work");
  settings_.Background = 10;
  settings_.BackgroundColour = 6;
  EXPECT_TRUE(LoadBackground(settings_, false, 3, client, picture));
  EXPECT_EQ(picture.size(), client);
  EXPECT_TRUE(notices_.isEmpty());
  const QImage violet = picture;
  // Background 0 is none.
  settings_.Background = 0;
  EXPECT_TRUE(LoadBackground(settings_, false, 3, client, picture));
  EXPECT_TRUE(picture.isNull());
  // Without the library: the notice, the built-in one, the setting reset.
  QFile::remove(work_ + QStringLiteral("/") + QLatin1String(kBackgroundLibrary));
  settings_.Background = 10;
  EXPECT_FALSE(LoadBackground(settings_, false, 1, QSize(760, 500), picture));
  EXPECT_EQ(notices_, QStringList{MissingNotice(kBackgroundLibrary)});
  EXPECT_EQ(settings_.Background, 2);
  EXPECT_EQ(settings_.BackgroundColour, 0);
  EXPECT_EQ(picture.size(), QSize(760, 500));
  EXPECT_NE(picture.scaled(client), violet);
  // The purple menu without the graphics library leaves the purple design.
  notices_.clear();
  settings_.MenuDesign = settings_.TableDesign = 1;
  settings_.DialogPicture = true;
  EXPECT_FALSE(LoadBackground(settings_, true, 1, QSize(760, 500), picture));
  EXPECT_EQ(notices_, QStringList{MissingNotice(kGraphicsLibrary)});
  EXPECT_EQ(settings_.MenuDesign, 0);
  EXPECT_EQ(settings_.TableDesign, 0);
  EXPECT_FALSE(settings_.DialogPicture);
  EXPECT_FALSE(picture.isNull());
  Provide(kGraphicsLibrary, "parent");
  EXPECT_TRUE(LoadBackground(settings_, true, 1, QSize(760, 500), picture));
}

TEST_F(CardLoading, LibraryPicturesInThreeForms) {
  QImage png;
  JpegPicture jpeg;
  GifPicture gif;
  EXPECT_TRUE(LoadLibraryPicture(QStringLiteral("tablosm"), QString(), png));
  EXPECT_EQ(png.size(), QSize(155, 95));
  EXPECT_TRUE(LoadLibraryPicture(QStringLiteral("FonG"), QString(), jpeg));
  EXPECT_FALSE(jpeg.image.isNull());
  // A missing library leaves the target as it was.
  const QByteArray before("untouched");
  gif.data = before;
  EXPECT_FALSE(LoadLibraryPicture(QString::fromLatin1(kTouchEffect),
                                  QString::fromLatin1(kGraphicsLibrary), gif));
  EXPECT_EQ(gif.data, before);
  Provide(kGraphicsLibrary, "work");
  EXPECT_TRUE(LoadLibraryPicture(QString::fromLatin1(kTouchEffect),
                                 QString::fromLatin1(kGraphicsLibrary), gif));
  EXPECT_TRUE(gif.data.startsWith("GIF89a"));
  // A name the library lacks, or a picture of another kind, is not found either.
  EXPECT_FALSE(LoadLibraryPicture(QStringLiteral("NoSuchPicture"), QString(), png));
  EXPECT_FALSE(LoadLibraryPicture(QStringLiteral("FonG"), QString(), png));
  EXPECT_EQ(png.size(), QSize(155, 95));
}

}  // namespace
}  // namespace quorvex
