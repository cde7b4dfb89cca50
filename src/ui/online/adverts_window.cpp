#include "ui/online/adverts_window.h"

#include <QBuffer>
#include <QGridLayout>
#include <QImageReader>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>

#include "locale/lang_text.h"
#include "online/service_addresses.h"
#include "online/service_request.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/modal_run.h"
#include "ui/online/browser_open.h"
#include "ui/online/wait_cursor.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

// An advert's picture is small; a larger answer is not one.
constexpr size_t kMaxPictureBytes = 512 * 1024;

// The picture at an address drawn to the slot's size (SVG drawn sharp at that size); a null
// image when it cannot be had.
QImage DownloadPicture(HttpClient& http, const std::string& address) {
  HttpRequest request;
  request.url = address;
  request.post = false;
  request.user_agent.clear();
  request.max_body = kMaxPictureBytes;
  const HttpReply reply = http.Exchange(request);
  if (!reply.ok) return {};
  QByteArray bytes(reply.body.data(), qsizetype(reply.body.size()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  const QSize size = reader.size();
  if (size.isValid())
    reader.setScaledSize(size.scaled(TFormAdverts::kPictureSize, Qt::KeepAspectRatio));
  const QImage picture = reader.read();
  if (picture.isNull() || QRect(QPoint(), TFormAdverts::kPictureSize).contains(picture.rect()))
    return picture;
  return picture.scaled(TFormAdverts::kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// Only web pages open from a slot: the catalogue comes from the network.
QString WebLink(const std::string& link) {
  const QUrl url(Qs(link), QUrl::StrictMode);
  if (!url.isValid() || url.host().isEmpty()) return {};
  if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) return {};
  return url.toString();
}

// The grey card an inert slot shows.
QPixmap EmptyPicture() {
  QPixmap empty(TFormAdverts::kPictureSize);
  empty.fill(Qt::transparent);
  QPainter p(&empty);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(150, 150, 160), 1.5, Qt::DashLine));
  p.setBrush(QColor(235, 235, 240));
  p.drawRoundedRect(QRectF(empty.rect()).adjusted(2, 2, -2, -2), 10, 10);
  return empty;
}

}  // namespace

TFormAdverts::TFormAdverts(HttpClient& http, const Settings& settings, Random& random,
                           const std::string& catalogue_address, QWidget* parent)
    : DesignedDialog(settings, parent) {
  setWindowTitle(Qs(Text(Tx::OtherGames)));
  auto* grid = new QGridLayout;
  grid->setSpacing(14);
  for (size_t i = 0; i < kAdvertSlots; ++i) {
    QToolButton* slot = new QToolButton(this);
    slot->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    slot->setAutoRaise(true);
    slot->setIconSize(kPictureSize);
    slot->setFixedSize(kPictureSize + QSize(24, 44));
    QFont caption = slot->font();
    caption.setBold(true);
    caption.setPixelSize(14);
    slot->setFont(caption);
    connect(slot, &QToolButton::clicked, this, [this, i] {
      if (!links_[i].isEmpty()) OpenInBrowser(QUrl(links_[i]));
    });
    slots_[i] = slot;
    grid->addWidget(slot, int(i / 2), int(i % 2));
  }
  auto* close = NewDialogButton(Qs(Text(Tx::Close)), this);
  close->setFixedSize(110, 28);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, HeaderHeight() + 10, 16, 12);
  layout->addLayout(grid);
  layout->addWidget(close, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  {
    WaitCursor wait;
    const std::optional<std::vector<Advert>> catalogue =
        FetchAdvertCatalogue(http, catalogue_address);
    if (catalogue) {
      const auto chosen = ChooseAdverts(catalogue->size(), random);
      for (size_t i = 0; i < kAdvertSlots; ++i) ShowSlot(int(i), http, (*catalogue)[chosen[i]]);
    } else {
      for (size_t i = 0; i < kAdvertSlots; ++i) ShowNoConnect(int(i));
    }
  }
  FinishDesign();
  // The names in the colour of text on this design.
  for (QToolButton* slot : slots_) {
    QPalette palette = slot->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
      palette.setColor(group, QPalette::ButtonText, TextColour());
    slot->setPalette(palette);
  }
}

void TFormAdverts::ShowSlot(int index, HttpClient& http, const Advert& advert) {
  QToolButton* slot = slots_[size_t(index)];
  const QImage picture = advert.picture.empty() ? QImage() : DownloadPicture(http, advert.picture);
  if (advert.name.empty() && picture.isNull()) {
    ShowNoConnect(index);
    return;
  }
  slot->setIcon(picture.isNull() ? QIcon(EmptyPicture()) : QIcon(QPixmap::fromImage(picture)));
  slot->setText(Qs(advert.name));
  links_[size_t(index)] = WebLink(advert.link);
  slot->setEnabled(!links_[size_t(index)].isEmpty());
  slot->setCursor(Qt::PointingHandCursor);
  slot->setToolTip(links_[size_t(index)]);
}

void TFormAdverts::ShowNoConnect(int index) {
  QToolButton* slot = slots_[size_t(index)];
  slot->setIcon(QIcon(EmptyPicture()));
  slot->setText(Qs(Text(Tx::NoConnect)));
  slot->setEnabled(false);
  links_[size_t(index)].clear();
}

void ShowOtherGames(HttpClient& http, const Settings& settings, QWidget* parent) {
  SystemRandom random;
  TFormAdverts adverts(http, settings, random, BuiltInStoredAddress(ServiceAddress::Adverts).plain,
                       parent);
  RunModal(adverts);
}

}  // namespace quorvex
