#include "ui/online/support_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "locale/lang_text.h"
#include "ui/art/resource_library.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/modal_run.h"
#include "ui/online/browser_open.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

constexpr int kTextWidth = 380;

}  // namespace

TFormSupport::TFormSupport(const Settings& settings, QWidget* parent)
    : DesignedDialog(settings, parent) {
  setWindowTitle(Qs(Text(Tx::SupportUs)));
  const QString site = TFormAbout::SiteAddress();
  const QString mail = TFormAbout::MailAddress();
  links_ = {QString(), QStringLiteral("mailto:") + mail, site};
  const QString shown[kWays] = {QString(), mail, site};
  const char* const pictures[kWays] = {"GSupFriends", "GSupIdeas", "GSupSite"};

  // The usual blue of a link is lost on the purple picture.
  const QString link_colour =
      Design() == DialogDesign::Purple ? QStringLiteral("#ffe27a") : QStringLiteral("#1a4fc4");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, HeaderHeight() + 10, 18, 12);
  layout->setSpacing(10);
  auto* intro = new QLabel(Qs(Text(Tx::SupportUsIntro)), this);
  intro->setWordWrap(true);
  intro->setFixedWidth(kTextWidth + 64);
  QFont bold = intro->font();
  bold.setBold(true);
  intro->setFont(bold);
  layout->addWidget(intro);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(12);
  for (int i = 0; i < kWays; ++i) {
    auto* picture = new QLabel(this);
    QImage image;
    if (LoadLibraryPicture(QLatin1String(pictures[i]), QString(), image))
      picture->setPixmap(QPixmap::fromImage(image));
    picture->setFixedSize(48, 48);
    QString text = Qs(Text(Tx::SupportUsWays, i)).toHtmlEscaped();
    if (!links_[size_t(i)].isEmpty())
      text += QStringLiteral("<br><a href=\"%1\" style=\"color: %3\">%2</a>")
                  .arg(links_[size_t(i)].toHtmlEscaped(), shown[i].toHtmlEscaped(), link_colour);
    texts_[size_t(i)] = new QLabel(text, this);
    texts_[size_t(i)]->setTextFormat(Qt::RichText);
    texts_[size_t(i)]->setWordWrap(true);
    texts_[size_t(i)]->setFixedWidth(kTextWidth);
    // The browser (or mail program) opens through the one hook the tests replace.
    texts_[size_t(i)]->setOpenExternalLinks(false);
    connect(texts_[size_t(i)], &QLabel::linkActivated, this,
            [](const QString& link) { OpenInBrowser(QUrl(link)); });
    grid->addWidget(picture, i, 0, Qt::AlignTop);
    grid->addWidget(texts_[size_t(i)], i, 1);
  }
  layout->addLayout(grid);
  auto* thanks = new QLabel(Qs(Text(Tx::SupportUsThanks)), this);
  thanks->setAlignment(Qt::AlignCenter);
  QFont italic = thanks->font();
  italic.setItalic(true);
  thanks->setFont(italic);
  layout->addWidget(thanks);
  auto* close = NewDialogButton(Qs(Text(Tx::Close)), this);
  close->setFixedSize(110, 28);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FinishDesign();
}

void ShowSupportUs(const Settings& settings, QWidget* parent) {
  TFormSupport support(settings, parent);
  RunModal(support);
}

}  // namespace quorvex
