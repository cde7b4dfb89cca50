// The notice window: its width rule, hidden empty lines, the link line and Esc.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "art/text_layout.h"
#include "locale/lang_text.h"
#include "ui/dialogs/notice_window.h"

namespace quorvex {
namespace {

int TextWidth(const QLabel* label) {
  return QFontMetrics(label->font()).horizontalAdvance(label->text());
}

TEST(NoticeWindow, WidthFollowsTheWidestLine) {
  TFormNotice narrow(QStringLiteral("Can`t find the file"), QString(), QString());
  EXPECT_EQ(narrow.width(), 400);
  EXPECT_EQ(narrow.OkButton()->width(), 390);

  const QString long_line(40, QLatin1Char('W'));
  TFormNotice wide(QStringLiteral("short"), long_line, QStringLiteral("http://a.example/"));
  const int widest = TextWidth(wide.Line(1)) + TFormNotice::kLineLeft;
  ASSERT_GE(widest, 350);
  EXPECT_EQ(wide.width(), widest + 50);
  EXPECT_EQ(wide.width(), NoticeClientWidth(widest));
  EXPECT_EQ(wide.OkButton()->width(), wide.width() - 10);
  EXPECT_EQ(wide.OkButton()->x(), 5);
}

TEST(NoticeWindow, CaptionAndLines) {
  SetCurrentLanguage(0);
  TFormNotice notice(QString(), QStringLiteral("ZefCGraph1.dll"), QString());
  notice.show();
  EXPECT_EQ(notice.windowTitle(), QStringLiteral("Attention"));
  EXPECT_TRUE(notice.Line(0)->isHidden());
  EXPECT_FALSE(notice.Line(1)->isHidden());
  EXPECT_TRUE(notice.Line(2)->isHidden());
  // The visible line takes the first place, and the button follows it.
  EXPECT_EQ(notice.Line(1)->y(), 14);
  EXPECT_GT(notice.OkButton()->y(), notice.Line(1)->geometry().bottom());
  EXPECT_FALSE(notice.Line(1)->font().underline());

  SetCurrentLanguage(1);
  TFormNotice russian(QStringLiteral("x"), QString(), QString());
  EXPECT_EQ(russian.windowTitle(), QStringLiteral("Внимание"));
  SetCurrentLanguage(0);
}

TEST(NoticeWindow, TheThirdLineOpensItsLink) {
  QStringList opened;
  TFormNotice::SetLinkOpener([&](const QString& link) { opened << link; });
  TFormNotice notice(QStringLiteral("Download it from"), QString(),
                     QStringLiteral("http://127.0.0.1:8047/download/"));
  notice.show();
  EXPECT_TRUE(notice.Line(2)->font().underline());
  QTest::mouseClick(notice.Line(0), Qt::LeftButton);
  EXPECT_TRUE(opened.isEmpty());
  QTest::mouseClick(notice.Line(2), Qt::LeftButton);
  EXPECT_EQ(opened, QStringList{QStringLiteral("http://127.0.0.1:8047/download/")});
  TFormNotice::SetLinkOpener(nullptr);
}

TEST(NoticeWindow, EscAndOkClose) {
  TFormNotice notice(QStringLiteral("One"), QString(), QString());
  notice.show();
  QSignalSpy finished(&notice, &QDialog::finished);
  QTest::keyClick(&notice, Qt::Key_Escape);
  EXPECT_EQ(finished.count(), 1);
  EXPECT_FALSE(notice.isVisible());

  notice.show();
  QTest::mouseClick(notice.OkButton(), Qt::LeftButton);
  EXPECT_EQ(finished.count(), 2);
  EXPECT_EQ(notice.result(), QDialog::Accepted);
}

TEST(NoticeWindow, HookTakesTheLinesInsteadOfAWindow) {
  QStringList got;
  SetNoticeHook([&](const QString& a, const QString& b, const QString& c) { got << a << b << c; });
  ShowNotice(QStringLiteral("Can`t find the file"), QStringLiteral("ZefBackG03.dll"), QString());
  SetNoticeHook(nullptr);
  EXPECT_EQ(got, (QStringList{QStringLiteral("Can`t find the file"),
                              QStringLiteral("ZefBackG03.dll"), QString()}));
}

}  // namespace
}  // namespace quorvex
