#include "ui/table/program_start.h"

#include "platform/curl_ftp_upload.h"

#include "ui/media/media_stream_player.h"
#include "ui/media/playlist_player.h"
#include "ui/media/radio_set.h"
#include "ui/menu/account_lamp.h"
#include "ui/menu/calendar_cards.h"
#include "ui/menu/menu_text_button.h"
#include "ui/menu/mp3_strip.h"
#include "ui/menu/radio_picture.h"
#include "ui/online/account_window.h"
#include "ui/online/advert_sign.h"
#include "ui/online/adverts_window.h"
#include "ui/online/chat_news.h"
#include "ui/online/notice_sign.h"
#include "ui/online/result_write_window.h"
#include "ui/online/support_window.h"
#include "ui/online/tournament_lobby_keeper.h"
#include "ui/online/world_top_ten_window.h"

#include <QTimer>

#include <QEventLoop>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPalette>
#include <QToolTip>

#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "online/service_request.h"
#include "online/tournament_service.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/resource_download.h"
#include "ui/online/passport_window.h"
#include "ui/online/stats_window.h"
#include "ui/table/deal_reviews.h"
#include "ui/table/hint_style.h"

namespace quorvex {
namespace {

// The maker's site: the folder of the online configuration file, where the download area and
// the music live.
std::string SiteBase() {
  std::string base = BuiltInStoredAddress(ServiceAddress::ConfigFile).plain;
  base.erase(base.rfind('/'));
  return base;
}

ProgramPlaces SystemPlaces() {
  return {QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
          QDir::tempPath()};
}

}  // namespace

ProgramStart::ProgramStart()
    : ProgramStart(SystemPlaces(), std::make_unique<AudioOutput>(), nullptr, nullptr) {}

ProgramStart::ProgramStart(const ProgramPlaces& places, ClipOutput& clips, SongOutput& song)
    : ProgramStart(places, nullptr, &clips, &song) {}

ProgramStart::ProgramStart(const ProgramPlaces& places, std::unique_ptr<AudioOutput> audio,
                           ClipOutput* clips, SongOutput* song)
    : places_(places),
      settings_(places.program_dir),
      own_http_(places.http ? nullptr : std::make_unique<CurlHttpClient>()),
      http_(places.http ? *places.http : *own_http_),
      audio_(std::move(audio)),
      sound_(settings_.Get(), clips ? *clips : *audio_),
      music_(settings_.Get(), song ? *song : *audio_),
      opponent_(window_),
      keeper_(places.program_dir),
      controller_(window_, opponent_, random_, places.clock ? *places.clock : clock_, keeper_),
      club_menu_(keeper_, settings_.Get()),
      lan_(controller_, window_, settings_.Get()),
      tour_(controller_, window_),
      account_(http_, settings_.Get(), places.program_dir.parent_path()),
      world_lists_{http_,
                   settings_.Get(),
                   online_,
                   account_.Context().service,
                   account_.Session(),
                   places.program_dir} {
  window_.SetSettings(&settings_.Get());
  window_.SetSound(&sound_, &music_);
  window_.SetController(&controller_);
  music_.SetErrorHandler([this](const QString& message) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(Text(Tx::ProductTitle).c_str()),
                    message, QMessageBox::Ok, &window_);
    RunModal(box);
  });
  keeper_.SetParent(&window_);
  keeper_.SetController(&controller_);
  keeper_.SetSound(&sound_);
  keeper_.SetSettings(&settings_.Get());
  ApplySettings();
  window_.SetOptionsOpener([this] { OpenOptions(); });
  club_menu_.SetController(&controller_);
  club_menu_.SetLanGame(&lan_);
  keeper_.SetDisconnect([this] {
    lan_.Close();
    tour_.Close();
  });
  // The chat line talks to whichever game is running.
  window_.SetChatSender([this](const std::string& text) {
    if (tour_.InGame()) {
      tour_.SendChat(text);
    } else {
      lan_.SendChat(text);
    }
  });
  club_menu_.AttachTo(window_);
  keeper_.SetClubChanged([this] { club_menu_.Refresh(); });
  keeper_.SetWaitBanner([this](bool shown) { window_.ShowWaitBanner(shown); });
  keeper_.SetSessionReport([this](const SessionEndInput& input) {
    if (!keeper_.QuietInstallation())
      Statistics().ReportSession(CountSession(input.role, input.deals, input.balance));
  });
  if (own_http_) own_http_->SetBusyHook([this](bool busy) { window_.SetBusy(busy); });
  HookAccount();
  HookMenuDecorations();
  HookTournament();
  HookRadio();
  reviews_ =
      std::make_unique<DealReviews>(places_.program_dir, settings_.Get(), controller_, keeper_);
  window_.SetReviewOpener([this] { reviews_->OpenLast(&window_); });
  club_menu_.SetDealHooks(
      [this](const DealRecord& deal, QWidget* parent) { reviews_->Open(deal, parent); },
      [](const std::vector<DealRecord>& deals, QWidget* parent) {
        DealReviews::SavePbn(deals, parent);
      });
  window_.SetStatisticsOpener([this] { OpenStatistics(); });
  window_.SetRenameHook([this] { RenameMember(); });
  club_menu_.SetPublicAddress([this]() -> std::optional<OwnAddress> {
    const HttpReply reply =
        GetAddress(http_, BuiltInStoredAddress(ServiceAddress::PublicAddressEcho).plain,
                   ExchangeLimit::ShortRead);
    if (!reply.ok || reply.body.empty() || reply.body.size() > 64) return std::nullopt;
    return OwnAddress{reply.body, SiteBase()};
  });
}

ProgramStart::~ProgramStart() {
  Unhook();
}

void ProgramStart::Unhook() {
  window_.SetController(nullptr);
  window_.SetSound(nullptr, nullptr);
}

void ProgramStart::RenameMember() {
  if (!keeper_.InSession()) return;
  QInputDialog ask(&window_);
  ask.setWindowTitle(QString::fromStdString(Text(Tx::ChangeName)));
  ask.setLabelText(QString::fromStdString(Text(Tx::EnterYourName)));
  ask.setTextValue(QString::fromStdString(keeper_.PlayerName()));
  if (RunModal(ask) != QDialog::Accepted) return;
  const std::string name = ask.textValue().trimmed().left(20).toStdString();
  if (!keeper_.RenameMember(name)) {
    QMessageBox box(QMessageBox::Warning, MainWindow::BaseTitle(),
                    QString::fromStdString(Text(Tx::IncorrectName)), QMessageBox::Ok, &window_);
    RunModal(box);
    return;
  }
  // The plate shows the club's form of the name.
  controller_.RenameLocalPlayer(Utf8ToCp1251(name).value_or(name));
}

WorldStats ProgramStart::Statistics() {
  return WorldStats(http_, settings_.Get().StatsAddress.plain);
}

void ProgramStart::OpenStatistics() {
  WorldStats stats = Statistics();
  TFormStats window(
      stats, settings_.Get(), [this] { settings_.Save(&window_); }, &window_);
  RunModal(window);
}

bool ProgramStart::Start() {
  if (started_) return true;
  // The settings were read as the program was built; the online configuration ends that step.
  FetchConfiguration(http_, settings_.Get(), online_);
  account_.SetAddresses(
      online_.account.plain, BuiltInStoredAddress(ServiceAddress::AvatarBase).plain,
      BuiltInStoredAddress(ServiceAddress::Payment).plain, settings_.Get().TopTenAddress.plain);
  // The settings were read first of all, as the objects were built: the window and its
  // captions come up in the language they name.
  // The title.
  window_.show();
  // The club files. Without both intact the run stops here, and the settings file is left as
  // it was. The local file's mark may switch the language.
  if (!keeper_.ReadClubFilesAtStart(&window_, settings_.Get().Language)) return false;
  settings_.Get().Language = CurrentLanguage();
  club_menu_.Refresh();
  // The radio: its library, its station list and its state; a radio left on plays again.
  radio_->Load(settings_.Get().RadioListServerFirst);
  // The start report of the world statistics, and the settings written after it.
  if (!keeper_.QuietInstallation()) {
    Statistics().ReportStart(settings_.Get().InstallReported);
    settings_.Save(&window_);
  }
  // The account logs itself in when the player kept the login.
  account_.LogInAtStart();
  // The online playlist; without it the MP3 strip stays greyed.
  playlist_->Load(http_, SiteBase());
  chat_->chat_available = online_.chat;
  // Whether the music was on as the run began (the options dialog restarts the song only when
  // that changes).
  music_on_at_start_ = settings_.Get().MusicOn;
  // Hints on red after a quarter of a second, and the language on everything built so far.
  HintStyle::Install();
  QPalette hints = QToolTip::palette();
  hints.setColor(QPalette::ToolTipBase, Qt::red);
  hints.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(hints);
  window_.ApplyLanguage();
  // The menu song; it sounds whenever the main menu is shown and the music is on.
  music_.Prepare(places_.temp_dir);
  started_ = true;
  MenuShown();
  return true;
}

bool ProgramStart::Finish() {
  Unhook();
  // Saving the settings leaves the song file alone while the player still holds it, so the next
  // start finds it; only then is the player closed.
  music_.BeforeSettingsSaved();
  bool saved = true;
  if (started_) {
    started_ = false;
    saved = settings_.Save(nullptr);
    // The radio's state is its own file; a disk that refuses it costs only the station.
    radio_->Save();
  }

  music_.Close();
  return saved;
}

void ProgramStart::OpenOptions() {
  TFormOptions options(settings_.Get(), &window_);
  options.SetMusicOnAtStart(music_on_at_start_ && !options_opened_);
  options_opened_ = true;
  options.SetApply([this](OptionsChange change) { ApplyOption(change); });
  options.SetPassport([this, &options] { ShowPassport(settings_.Get(), &options); });
  // Missing libraries come from the download area into the folder above the program's.
  options.SetDownload([this](const QString& file) {
    const QString folder = QDir(QString::fromStdString(places_.program_dir.string()))
                               .absoluteFilePath(QStringLiteral(".."));
    const bool ok = DownloadResource(http_, SiteBase(), file, folder);
    window_.PlayEffect(ok ? "WToMenK" : "WWrongs");
    return ok;
  });
  RunModal(options);
}

void ProgramStart::ApplyOption(OptionsChange change) {
  switch (change) {
    case OptionsChange::Language:
      window_.ChooseLanguage(settings_.Get().Language);
      // The radio's hint names it in the new language.
      emit radio_->changed();
      break;
    case OptionsChange::Network:
      club_menu_.Refresh();
      window_.ApplyDisplaySettings();
      break;
    case OptionsChange::Music:
      music_.MusicSettingChanged();
      break;
    case OptionsChange::WindowSize:
    case OptionsChange::Cards:
    case OptionsChange::Buttons:
      window_.ApplyDisplaySettings();
      break;
    case OptionsChange::Radio:
      // The list's source changed or a library came: the radio starts again from its files.
      radio_->Save();
      radio_->Load(settings_.Get().RadioListServerFirst);
      break;
    case OptionsChange::Game:
      break;
  }
  ApplySettings();
}

void ProgramStart::HookAccount() {
  lamp_ = new AccountLamp;
  // At the menu's top left, clear of the title banner.
  window_.AddMenuWidget(lamp_, QRect(16, 16, 76, 50));
  QObject::connect(lamp_, &AccountLamp::clicked, &window_, [this] { account_.OpenWindow(); });
  account_.SetStateShown([this] {
    lamp_->SetState(account_.State());
    club_menu_.Refresh();
  });
  account_.SetMessage([this](const std::string& text) {
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(Text(Tx::ProductTitle).c_str()),
                    QString::fromUtf8(text.c_str()), QMessageBox::Ok, &window_);
    RunModal(box);
  });
  account_.SetQuestion([this](const std::string& text) { return window_.AskYesNo(text); });
  account_.SetErrorSound([this] { sound_.PlayEffect("WWrongs", false); });
  account_.SetPause([this](int ms) {
    // The window waits visibly and keeps drawing itself.
    window_.SetBusy(true);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    window_.SetBusy(false);
  });
  keeper_.SetAccount(&account_);
  account_.SetWindowOpener([this](AccountContext& context, bool rated_start) {
    ShowAccountWindow(context, rated_start, &window_);
  });
  // The member's own login opens the picture store; only its own picture can be written.
  account_.Context().upload_picture = [](const std::string& nick, const std::string& password,
                                         const std::filesystem::path& jpeg) {
    std::string error;
    return FtpUpload(PictureStoreAddress(), nick, password, jpeg, nick + ".jpg", &error);
  };
  club_menu_.SetRatedStart([this] {
    const bool rated = account_.State() != AccountState::NotLoggedIn && account_.StartMatch();
    ControllerOptions options = controller_.Options();
    options.rated_account_play = rated;
    controller_.SetOptions(options);
    return rated;
  });
}

void ProgramStart::HookMenuDecorations() {
  auto* world = new MenuTextButton(Tx::WorldTopTen, ColorSB::DViolet);
  window_.AddMenuWidget(world, QRect(600, 98, 146, 28));
  QObject::connect(world, &QPushButton::clicked, &window_,
                   [this] { ShowWorldTopTen(world_lists_, &window_); });
  keeper_.SetResultOffer(
      [this](int32_t cycle_score) { OfferResultWrite(world_lists_, cycle_score, &window_); });
  // Today's cards under the account's picture; without the calendar library they stay hidden.
  calendar_ = new CalendarCards;
  window_.AddMenuWidget(calendar_, QRect(16, 84, 124, 100));

  // The chat, the news and the other games.
  auto* chat = new MenuTextButton(Tx::Chat, ColorSB::DViolet);
  window_.AddMenuWidget(chat, QRect(600, 132, 146, 28));
  auto* games = new AdvertSign(AdvertSign::Kind::OtherGames);
  window_.AddMenuWidget(games, QRect(16, 190, 120, 72));
  auto* support = new AdvertSign(AdvertSign::Kind::SupportUs);
  window_.AddMenuWidget(support, QRect(626, 166, 120, 72));
  // The signs are seen only with the menu, and only while they are lit.
  news_sign_ = new NoticeSign(NoticeSign::Kind::News);
  window_.AddMenuWidget(news_sign_, QRect(96, 0, 84, 88),
                        [this] { return chat_ && SignsShown(*chat_).news; });
  chat_sign_ = new NoticeSign(NoticeSign::Kind::Chat);
  window_.AddMenuWidget(chat_sign_, QRect(640, 232, 100, 70),
                        [this] { return chat_ && SignsShown(*chat_).chat; });
  chat_.reset(new ChatContext{http_,
                              settings_.Get(),
                              places_.program_dir.parent_path(),
                              BuiltInStoredAddress(ServiceAddress::News).plain,
                              true,
                              {},
                              {},
                              [this](const std::string& name) { sound_.PlayEffect(name, false); },
                              [this] {
                                const NewsSign lit = SignsShown(*chat_);
                                const bool menu = window_.CurrentScreen() == Screen::Menu;
                                news_sign_->SetShown(menu && lit.news);
                                chat_sign_->SetShown(menu && lit.chat);
                              }});
  news_sign_->SetShown(false);
  chat_sign_->SetShown(false);
  QObject::connect(chat, &QPushButton::clicked, &window_, [this] { ShowChat(*chat_, &window_); });
  window_.SetChatOpener([this] { ShowChat(*chat_, &window_); });
  QObject::connect(chat_sign_, &NoticeSign::clicked, &window_,
                   [this] { ShowChat(*chat_, &window_); });
  QObject::connect(news_sign_, &NoticeSign::clicked, &window_, [this] { OpenNews(*chat_); });
  QObject::connect(games, &AdvertSign::clicked, &window_,
                   [this] { ShowOtherGames(http_, settings_.Get(), &window_); });
  QObject::connect(support, &AdvertSign::clicked, &window_,
                   [this] { ShowSupportUs(settings_.Get(), &window_); });
  QObject::connect(calendar_, &CalendarCards::ticked, &window_, [this](int) {
    NoticeTick(*chat_, window_.CurrentScreen() == Screen::Menu, keeper_.InSession(), &window_);
  });
  keeper_.SetMenuBack([this] { MenuShown(); });
}

void ProgramStart::HookTournament() {
  tour_lobby_ = std::make_unique<TournamentLobbyKeeper>(
      TournamentContext{account_.Context(), world_lists_, tour_});
  tour_.SetLobby(&tour_lobby_->Lobby());
  tour_.SetDealt([this] { StartTournamentMatch(); });
  // Under the other games, clear of the cards of the menu.
  auto* button = new MenuTextButton(Tx::TournamentMenu, ColorSB::DViolet);
  window_.AddMenuWidget(button, QRect(16, 268, 124, 28));
  QObject::connect(button, &QPushButton::clicked, &window_, [this] { OpenTournament(); });
  keeper_.SetTournamentRead([this]() -> std::optional<ClubKeeper::TournamentStandingRead> {
    TournamentService service(http_, world_lists_.tournament);
    const std::optional<TourStanding> now = service.ReadStanding(account_.Nick());
    if (!now) return std::nullopt;
    return ClubKeeper::TournamentStandingRead{now->Score, double(now->Rating)};
  });
  // The lobby comes back after the match.
  keeper_.SetTournamentEnded([this] { OpenTournament(); });
}

std::unique_ptr<StreamPlayer> ProgramStart::MakeStreamPlayer() const {
  if (places_.streams) return places_.streams();
  if (!audio_) return std::make_unique<SilentStreamPlayer>();
  return std::make_unique<MediaStreamPlayer>();
}

void ProgramStart::HookRadio() {
  radio_ = std::make_unique<RadioSet>(
      http_, RadioFiles{places_.program_dir, places_.program_dir.parent_path(), SiteBase()},
      MakeStreamPlayer());
  playlist_ = std::make_unique<PlaylistPlayer>(random_, MakeStreamPlayer());
  // Side by side under the club's name, clear of the card fans.
  window_.AddMenuWidget(new RadioPicture(*radio_),
                        QRect(QPoint(285, 454), RadioPicture::DesignSize()));
  window_.AddMenuWidget(new Mp3Strip(*playlist_), QRect(QPoint(355, 462), Mp3Strip::DesignSize()));
  window_.SetRadioOpener([this] { radio_->OpenWindow(&window_); });
}

void ProgramStart::OpenTournament() {
  if (controller_.InSession()) return;
  tour_lobby_->Show(&window_);
}

void ProgramStart::StartTournamentMatch() {
  TournamentLobby& lobby = tour_lobby_->Lobby();
  tour_lobby_->CloseForGame();
  // The opponent may have sat down after the lobby last looked.
  const int other = lobby.MySeat() == 1 ? 2 : 1;
  const TZefTable& table = lobby.Table(lobby.MyTable());
  std::string opponent = other == 1 ? table.Nick1 : table.Nick2;
  if (opponent.empty() || opponent == "X") {
    TournamentService service(http_, world_lists_.tournament);
    const std::optional<TZefClient> holder = service.ReadSeat(other, lobby.MyTable());
    opponent = holder && !holder->Nick.empty() ? holder->Nick : std::string("?");
  }
  const TZefClient& own = lobby.Own();
  const SessionPlayer player =
      keeper_.BeginTournamentSession(own.Nick, int32_t(own.Score), int32_t(own.Kon));
  // Names travel at the table in the club's code page, as a LAN opponent's does.
  controller_.StartSession(tour_.Role(), player, Utf8ToCp1251(opponent).value_or(opponent));
  tour_.SessionStarted();
}

void ProgramStart::MenuShown() {
  CheckOnMenu(*chat_);
}

void ProgramStart::ApplySettings() {
  const Settings& settings = settings_.Get();
  ControllerOptions options = controller_.Options();
  options.show_cards_at_end = settings.ShowCardsAtEnd;
  controller_.SetOptions(options);
}

}  // namespace quorvex
