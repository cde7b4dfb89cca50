#include "ui/dialogs/radio_window.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

#include "locale/countries.h"
#include "locale/lang_text.h"
#include "ui/art/country_flags.h"
#include "ui/media/radio_layout.h"
#include "ui/media/radio_set.h"

namespace quorvex {

namespace {

namespace layout = radio_layout;

// The countries table names two of the radio's countries otherwise.
QPixmap FilterFlag(int filter) {
  if (filter <= 0) return QPixmap();
  std::string_view name = kRadioFilterTable[size_t(filter)].name;
  if (name == "Russian Federation") name = "Russia";
  if (name == "Deutschland") name = "Germany";
  const std::optional<CountryCode> code = CountryOfName(name);
  return code ? FlagPixmap(code->region, code->number) : QPixmap();
}

const char* const kListStyle =
    "QListWidget { background: #141416; color: #f0e6cc; border: none; font-size: 12px; }"
    "QListWidget::item:selected { background: #8a6a2a; color: white; }";

}  // namespace

TFRadio::TFRadio(RadioSet& radio, QWidget* parent) : QDialog(parent), radio_(radio) {
  setWindowTitle(QString::fromStdString(Text(Tx::Radio)));
  setFixedSize(layout::kWindow);
  countries_ = new QListWidget(this);
  countries_->setGeometry(layout::kCountries);
  countries_->setStyleSheet(QString::fromLatin1(kListStyle));
  countries_->setIconSize(QSize(kFlagWidth, kFlagHeight));
  for (int i = 0; i < kRadioFilters; ++i) {
    auto* item = new QListWidgetItem(QString::fromStdString(Text(Tx::RadioCountries, i)));
    const QPixmap flag = FilterFlag(i);
    if (!flag.isNull()) item->setIcon(QIcon(flag));
    countries_->addItem(item);
  }
  stations_ = new QListWidget(this);
  stations_->setGeometry(layout::kStations);
  stations_->setStyleSheet(QString::fromLatin1(kListStyle));
  stations_->setIconSize(QSize(kFlagWidth, kFlagHeight));

  connect(countries_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_ && row >= 0) FillStations(row);
  });
  connect(stations_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling_ || row < 0 || size_t(row) >= shown_.size()) return;
    radio_.Tune(shown_[size_t(row)]);
  });
  connect(&radio_, &RadioSet::changed, this, qOverload<>(&QWidget::update));

  const int filter = radio_.State().Settings().filter;
  filling_ = true;
  countries_->setCurrentRow(filter);
  filling_ = false;
  FillStations(filter);
}

void TFRadio::FillStations(int filter) {
  filling_ = true;
  const int selected = radio_.Fill(filter, shown_);
  stations_->clear();
  for (const RadioStation& station : shown_) {
    auto* item = new QListWidgetItem(QString::fromStdString(station.name));
    for (int i = 1; i < kRadioFilters; ++i)
      if (station.code == kRadioFilterTable[size_t(i)].code) {
        const QPixmap flag = FilterFlag(i);
        if (!flag.isNull()) item->setIcon(QIcon(flag));
        break;
      }
    stations_->addItem(item);
  }
  stations_->setCurrentRow(selected);
  filling_ = false;
}

void TFRadio::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QImage background =
      radio_.Picture(radio_.On() ? QStringLiteral("RRADIO_MAING") : QStringLiteral("RRADIO_MAINR"));
  if (background.isNull()) {
    p.fillRect(rect(), QColor(40, 34, 30));
  } else {
    p.drawImage(rect(), background);
  }
  p.drawImage(layout::kFrame.topLeft(), radio_.Picture(QStringLiteral("RRADIO_RAMKA")));
  const RadioStation& station = radio_.State().Settings().station;
  QImage logo = radio_.Picture(QString::fromStdString(station.logo));
  if (logo.isNull()) logo = radio_.Picture(QString::fromLatin1(kDefaultStationLogo));
  p.drawImage(layout::kLogo, logo);
  // The station's name under its logo, inside the frame.
  p.setPen(QColor(40, 24, 6));
  QFont font = p.font();
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRect(layout::kFrame.left(), layout::kLogo.bottom() + 1, layout::kFrame.width(),
                   layout::kFrame.bottom() - layout::kLogo.bottom()),
             Qt::AlignCenter,
             p.fontMetrics().elidedText(QString::fromStdString(station.name), Qt::ElideRight,
                                        layout::kFrame.width() - 8));
  p.drawImage(layout::kVolume.topLeft(), radio_.Picture(QStringLiteral("RRADIO_VOLUME")));
  const int tens = radio_.State().Settings().volume / 10;
  p.drawImage(layout::kDigits.topLeft(),
              radio_.Picture(QStringLiteral("%1").arg(tens, 2, 10, QLatin1Char('0'))));
  // The window's title on the cabinet.
  font.setPixelSize(15);
  p.setFont(font);
  p.setPen(QColor(240, 220, 170));
  p.drawText(QRect(layout::kCountries.left(), 6, 200, 26), Qt::AlignLeft | Qt::AlignVCenter,
             windowTitle());
}

void TFRadio::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (layout::kSwitch.contains(at)) {
    radio_.Toggle();
  } else if (layout::kVolumeUp.contains(at)) {
    radio_.VolumeUp();
  } else if (layout::kVolumeDown.contains(at)) {
    radio_.VolumeDown();
  } else {
    QDialog::mouseReleaseEvent(event);
  }
}

QImage TFRadio::Snapshot() {
  return grab().toImage();
}

}  // namespace quorvex
