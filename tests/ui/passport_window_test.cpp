// "My Passport": the lamps, what is stored as it is typed, and the closing rule.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/online/passport_window.h"

namespace quorvex {
namespace {

TEST(Passport, LampsStoringAndClosing) {
  Settings settings;
  TFormPassport passport(settings);
  passport.show();
  EXPECT_EQ(passport.NickLamp(), 3);  // "Incognito"
  EXPECT_TRUE(passport.OkButton()->isEnabled());

  // A nick of one letter: red, no Ok, no closing, nothing stored.
  passport.NickEdit()->selectAll();
  QTest::keyClicks(passport.NickEdit(), QStringLiteral("A"));
  EXPECT_EQ(passport.NickLamp(), 1);
  EXPECT_FALSE(passport.OkButton()->isEnabled());
  EXPECT_EQ(settings.TopTenNick, "Incognito");
  passport.done(QDialog::Accepted);
  EXPECT_TRUE(passport.isVisible());

  QTest::keyClicks(passport.NickEdit(), QStringLiteral("nna?"));  // "?" is dropped as typed
  EXPECT_EQ(passport.NickEdit()->text(), QStringLiteral("Anna"));
  EXPECT_EQ(settings.TopTenNick, "Anna");

  // A Cyrillic city: yellow, and stored in the code page of the files.
  passport.CityEdit()->selectAll();
  for (const QChar c : QString::fromUtf8("Рига"))
    QTest::sendKeyEvent(QTest::Click, passport.CityEdit(), Qt::Key_unknown, QString(c),
                        Qt::NoModifier);
  EXPECT_EQ(passport.CityLamp(), 2);
  EXPECT_EQ(settings.TopTenCity, "\xD0\xE8\xE3\xE0");

  // A new region starts from its unknown country; then a country and the sex.
  passport.RegionList()->setCurrentIndex(2);
  EXPECT_EQ(settings.TopTenCountry, "3-000");
  passport.CountryList()->setCurrentIndex(7);
  EXPECT_EQ(settings.TopTenCountry, "3-007");
  passport.SexList()->setCurrentIndex(1);
  EXPECT_EQ(settings.TopTenSex, "W");
  passport.done(QDialog::Accepted);
  EXPECT_FALSE(passport.isVisible());
}

}  // namespace
}  // namespace quorvex
