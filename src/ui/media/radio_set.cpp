#include "ui/media/radio_set.h"

#include "locale/lang_text.h"
#include "ui/art/resource_library.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/radio_window.h"

namespace quorvex {

namespace {

const QString kLibrary = QStringLiteral("ZefRadio02.dll");

// The pictures the radio's views ask for, besides the station logos.
QStringList FixedPictures() {
  QStringList names = {QStringLiteral("RRADIO_MAING"),          QStringLiteral("RRADIO_MAINR"),
                       QStringLiteral("RRADIO_VOLUME"),         QStringLiteral("RRADIO_RAMKA"),
                       QStringLiteral("RRADIO_MENU_ON"),        QStringLiteral("RRADIO_MENU_OFF"),
                       QString::fromLatin1(kDefaultStationLogo)};
  for (int tens = 0; tens <= 10; ++tens)
    names.append(QStringLiteral("%1").arg(tens, 2, 10, QLatin1Char('0')));
  return names;
}

}  // namespace

RadioSet::RadioSet(HttpClient& http, RadioFiles files, std::unique_ptr<StreamPlayer> player,
                   QObject* parent)
    : QObject(parent),
      http_(http),
      files_(std::move(files)),
      player_(std::move(player)),
      radio_(*player_) {}

RadioSet::~RadioSet() {
  player_->Stop();
}

void RadioSet::Load(bool server_first) {
  server_first_ = server_first;
  player_->Stop();
  pictures_.clear();
  const ResourceLibrary library(kLibrary);
  LoadRadioSettings(radio_, files_, server_first, library.IsOpen(), http_);
  stations_.clear();
  if (const auto list = StationListFile(files_, server_first)) stations_ = ReadStationFile(*list);
  if (library.IsOpen()) {
    QStringList names = FixedPictures();
    for (const RadioStation& station : stations_)
      names.append(QString::fromStdString(station.logo));
    for (const QString& name : names)
      if (Picture(name).isNull())
        pictures_.emplace_back(name.toUpper(), library.Picture(QStringLiteral("RCDATA"), name));
  }
  // A radio left on last time plays again.
  if (radio_.Settings().on) radio_.TuneStation(radio_.Settings().station);
  emit changed();
}

bool RadioSet::Save() {
  return SaveRadioSettings(radio_, files_);
}

QString RadioSet::Hint() const {
  return QString::fromStdString(radio_.Hint(Text(Tx::Radio)));
}

int RadioSet::Fill(int filter, std::vector<RadioStation>& shown) {
  const int selected = radio_.FillStationList(stations_, filter, shown);
  emit changed();
  return selected;
}

void RadioSet::Tune(const RadioStation& station) {
  radio_.TuneStation(station);
  emit changed();
}

void RadioSet::Toggle() {
  radio_.ToggleRadio();
  emit changed();
}

void RadioSet::VolumeUp() {
  radio_.VolumeUp();
  emit changed();
}

void RadioSet::VolumeDown() {
  radio_.VolumeDown();
  emit changed();
}

QImage RadioSet::Picture(const QString& name) const {
  const QString key = name.toUpper();
  for (const auto& [picture_name, image] : pictures_)
    if (picture_name == key) return image;
  return QImage();
}

void RadioSet::OpenWindow(QWidget* parent) {
  TFRadio window(*this, parent);
  RunModal(window);
}

}  // namespace quorvex
