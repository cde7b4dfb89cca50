#include "ui/dialogs/about_window.h"

#include "ui/dialogs/modal_run.h"

#include <QDesktopServices>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include "locale/lang_text.h"
#include "online/service_addresses.h"
#include "ui/art/button_style.h"
#include "ui/art/own_pictures.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/dialog_design.h"
#include "ui/menu/title_banner.h"

namespace quorvex {

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 375;
constexpr int kBannerTop = 70;
constexpr int kBannerWidth = 360;
constexpr int kBannerHeight = 63;
constexpr int kIconTop = 142;

QString Qs(const std::string& text) {
  return QString::fromStdString(text);
}

QUrl ServiceSite() {
  const QUrl account(Qs(BuiltInStoredAddress(ServiceAddress::Account).plain));
  return account.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
}

}  // namespace

QString TFormAbout::SiteAddress() {
  return ServiceSite().toString() + QStringLiteral("/");
}

QString TFormAbout::MailAddress() {
  return QStringLiteral("support@") + ServiceSite().host();
}

TFormAbout::TFormAbout(const Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setWindowTitle(Qs(Text(Tx::About)));

  setFixedSize(kWidth, kHeight);
  banner_ = TitleBanner(settings_, kBannerWidth, kBannerHeight);

  version_ = new QLabel(QStringLiteral("V ") + QLatin1String(kProgramVersion), this);
  QFont big = font();
  big.setBold(true);
  big.setPixelSize(28);
  version_->setFont(big);
  version_->setGeometry(84, kIconTop + 6, kWidth - 100, 36);

  int y = kIconTop + 60;
  for (int row = 0; row < TextRows(Tx::AboutCredits); ++row) {
    auto* line = new QLabel(Qs(Text(Tx::AboutCredits, row)), this);
    line->setTextFormat(Qt::PlainText);
    line->setGeometry(20, y, kWidth - 40, 20);
    y += 22;
  }
  y += 8;
  web_ = AddLink(Qs(Text(Tx::AboutSite)), SiteAddress(), SiteAddress(), y);
  mail_ = AddLink(Qs(Text(Tx::AboutMail)), MailAddress(), QStringLiteral("mailto:") + MailAddress(),
                  y + 24);

  ok_ = NewDialogButton(Qs(Text(Tx::Ok)), this);
  ok_->setGeometry((kWidth - 120) / 2, kHeight - 44, 120, 32);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  ApplyDialogDesign(*this, settings_);
  ApplyButtonStyle(this, settings_);
}

QLabel* TFormAbout::AddLink(const QString& caption, const QString& text, const QString& target,
                            int y) {
  auto* label = new QLabel(caption, this);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(20, y, 110, 20);
  auto* link = new QLabel(this);
  // The label opens the link itself, through the system's handler for it.
  link->setText(
      QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), text.toHtmlEscaped()));
  link->setTextFormat(Qt::RichText);
  link->setOpenExternalLinks(true);
  link->setGeometry(130, y, kWidth - 150, 20);
  return link;
}

void TFormAbout::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  PaintDialogHeader(painter, width(), height(), Qs(Text(Tx::About)), settings_);
  painter.drawImage((width() - banner_.width()) / 2, kBannerTop, banner_);
  painter.drawImage(24, kIconTop, OwnPicture(u"GIcon48"));
}

void ShowAbout(const Settings& settings, QWidget* parent) {
  TFormAbout about(settings, parent);
  RunModal(about);
}

}  // namespace quorvex
