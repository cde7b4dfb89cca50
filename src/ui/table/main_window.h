// The game's one window: the title, the main menu and the card table. It shows what the
// controller asks through TableView and turns clicks, keys and timer ticks into controller calls.
#pragma once

#include <QCursor>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/controller.h"
#include "game/reveal_code.h"
#include "game/table_view.h"
#include "ui/art/card_painter.h"
#include "ui/art/zef_cards_button.h"
#include "ui/table/table_layout.h"
#include "ui/table/table_model.h"
#include "ui/table/table_painter.h"
#include "ui/table/title_painter.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace quorvex {

class CardFlightAnimator;
class EditCursor;
class FlightSleeper;
class GifCapture;
class MusicPlayer;
class SoundPlayer;
class TFormTorg;
class WaitBanner;
struct Settings;

class MainWindow : public QWidget, public TableView {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  void SetController(GameController* controller) { controller_ = controller; }
  // Who plays when a game is started from the menu.
  void SetPlayer(const SessionPlayer& player);
  // Effects and spoken card names go to the sound player; the music follows the menu.
  // Windows opened from here on sound as they open.
  void SetSound(SoundPlayer* sound, MusicPlayer* music);
  // The settings of the run: the window takes its size, card designs, flights and recording
  // from them, and a language chosen here is stored in them.
  void SetSettings(Settings* settings);
  // Re-reads the window size and the card designs from the settings and lays the window out
  // again (after the options changed them).
  void ApplyDisplaySettings();
  // The club list takes the place of the menu's play button and shows with the menu; it is
  // told the window's scale whenever the window is laid out.
  void SetClubMenu(QWidget* menu, std::function<void(double)> rescale = {});

  // The banner "Please, wait..." over the hidden table at the end of a session.
  void ShowWaitBanner(bool shown);
  bool WaitBannerShown() const;

  // Re-captions everything built so far in the current language, at once.
  void ApplyLanguage();
  // The player picks a language: it becomes current, goes into the settings and is applied.
  void ChooseLanguage(int language);

  // TableView
  void ShowScreen(Screen screen) override;
  void DrawHand(const TDealState& state, int seat, bool face_up) override;
  void DrawNamePlate(int seat, const NamePlate& plate) override;
  void DrawTrickPanel(int seat, const TrickPanel& panel) override;
  void DrawDealPanel(int deal_count, const TDealState* contract, const std::string& hint) override;
  void DrawStock(int cards_left) override;
  void ClearTableCentre(int seat) override;
  void DrawTrickCard(int seat, const TCard& card) override;
  void ShowResult(const DealScore& score) override;
  void FlyCard(const FlightEnd& from, const FlightEnd& to, const TCard& card) override;
  void BeginDealRecording() override;
  void EndDealRecording() override;
  void ChooseDealBack() override;
  void ShowChat(bool shown) override;
  void AddChatLine(int sender, const std::string& text) override;
  void ClearChat() override;
  void SetChatEnabled(bool enabled) override;
  void ShowWaitText(const std::string& text) override;
  void DrawMoveClock(int seat, int seconds) override;
  void SetClockTimer(bool running) override;
  void Inform(const std::string& text) override;
  void SetMainButton(const ButtonState& state) override;
  void SetEndButton(const ButtonState& state) override;
  void OfferReview(bool on) override;
  void SetMainTimer(int interval_ms, bool running) override;
  void OpenBidding() override;
  void UpdateBidding(const AuctionTable& table, const BiddingButtons& buttons) override;
  void CloseBidding() override;
  void PlayEffect(const std::string& name) override;
  bool AskYesNo(const std::string& text) override;
  void SetBusy(bool busy) override;
  void SetForecastMode(bool on) override;
  void ShowForecastLine(const std::string& line) override;
  void DrawForecastProgress(int percent) override;

  // Answers AskYesNo instead of a message box (tests run without a modal loop).
  void SetAskHandler(std::function<bool(const std::string&)> handler) {
    ask_handler_ = std::move(handler);
  }

  // What is on show, for tests and tools.
  Screen CurrentScreen() const { return screen_; }
  const TableModel& Model() const { return model_; }
  const TableLayout& Layout() const { return layout_; }
  const CardPainter& Cards() const { return cards_; }
  // The window point a flying card's top-left corner starts from or lands on.
  QPoint FlightCorner(const FlightEnd& end) const;
  // Flights pause here instead of sleeping (tests count the pauses).
  void SetFlightSleeper(FlightSleeper* sleeper);
  GifCapture& Recording() { return *gif_; }
  // Where finished recordings go; the GIFGame folder beside the program unless set.
  void SetRecordingFolder(const QString& folder) { recording_folder_ = folder; }
  // Hand index 1..n of the lower-hand card under a point of the client area, 0 for none.
  int LowerCardAt(QPoint pos) const;
  // The card a right click there names: an own card, a card on the table, or one of the upper
  // hand while it lies face up after the deal; empty elsewhere.
  TCard SpokenCardAt(QPoint pos) const;
  QPushButton* MainButton() const { return main_button_; }
  QPushButton* EndButton() const { return end_button_; }
  QPushButton* PlayButton() const { return play_button_; }
  QPushButton* ExitButton() const { return exit_button_; }
  QPushButton* OptionsButton() const { return options_button_; }
  QPushButton* StatisticsButton() const { return stats_button_; }
  void SetStatisticsOpener(std::function<void()> open) { open_stats_ = std::move(open); }
  // What the menu's "Options" button opens.
  void SetOptionsOpener(std::function<void()> open) { open_options_ = std::move(open); }
  // A widget of the main menu (the account picture...) at its place in the window's design
  // size, scaled with the window and shown only with the menu.
  // `wanted` says whether it is to be seen with the menu now (a sign that is lit or not).
  void AddMenuWidget(QWidget* widget, QRect design_place, std::function<bool()> wanted = {});
  TFormTorg* BiddingDialog() const;
  QMenu* PopupMenu() const { return popup_; }
  QAction* ExitToMenuAction() const { return exit_action_; }
  QAction* GeneralScoreAction() const { return score_action_; }
  QAction* AboutAction() const { return about_action_; }
  QAction* RenameAction() const { return rename_action_; }
  QAction* SpeedAction() const { return speed_action_; }
  QAction* HelpAction() const { return help_action_; }
  QAction* ChatAction() const { return chat_action_; }
  QAction* RadioAction() const { return radio_action_; }
  void SetChatOpener(std::function<void()> open) { open_chat_ = std::move(open); }
  // "Radio" of the popup menu; the item is greyed while nothing is set.
  void SetRadioOpener(std::function<void()> open);
  // "Review" at the end of a deal; the button is offered only while something is set.
  void SetReviewOpener(std::function<void()> open) { open_review_ = std::move(open); }
  QPushButton* ReviewButton() const { return review_button_; }
  // "To change a name" during a session.
  void SetRenameHook(std::function<void()> rename) { rename_ = std::move(rename); }
  QLineEdit* ChatEdit() const { return chat_edit_; }
  QPushButton* SendButton() const { return send_button_; }
  // Where a chat line typed here goes (the connection to the other player).
  void SetChatSender(std::function<void(const std::string&)> sender) {
    chat_sender_ = std::move(sender);
  }
  const QTimer& MainTimer() const { return timer_; }
  const EditCursor& TextCursor() const { return *edit_cursor_; }
  // The product title in the current language.
  static QString BaseTitle();

 public slots:
  // One tick of the main timer: the title's animation and the computer's moves.
  void OnMainTimer();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildButtons();
  void BuildPopupMenu();
  void BuildChat();
  void SendChatLine();
  void StartGame();
  void UpdateCursor(QPoint pos);
  void ShowTitleOrMenuWidgets();
  bool OverHandsOrCentre(QPoint pos) const;
  QString ToolTipAt(QPoint pos) const;
  void Dirty(const QRect& rect);
  void PlaceWidgets();
  void LoadCursors();
  void FinishRecording(bool final_capture);
  // The menu's banners in the language, caption colour and club of the settings.
  void RefreshMenuBanners();
  QRect HandDirtyRect(int seat) const;
  // Left edges of n cards laid out in a seat's hand zone.
  std::vector<int> HandLefts(int seat, int n) const;

  // A caption as the controller made it, and the language it was made in: the controller may
  // send the same text again after a language switch, and it is shown translated.
  struct MadeCaption {
    std::string text;
    int language = 0;
  };
  QString Shown(const MadeCaption& caption) const;
  static void Remember(MadeCaption& caption, const std::string& text);

  GameController* controller_ = nullptr;
  SoundPlayer* sound_ = nullptr;
  MusicPlayer* music_ = nullptr;
  Settings* settings_ = nullptr;
  QWidget* club_menu_ = nullptr;
  std::function<void(double)> rescale_club_menu_;
  SessionPlayer player_;
  Screen screen_ = Screen::Title;
  int frame_ = 0;
  TableModel model_;
  CardPainter cards_;
  TableLayout layout_;
  TablePainter table_painter_;
  TitlePainter title_painter_;

  QTimer timer_;
  TZefCardsButton* main_button_ = nullptr;
  TZefCardsButton* end_button_ = nullptr;
  TZefCardsButton* review_button_ = nullptr;
  bool review_offered_ = false;
  std::function<void()> open_review_;
  TZefCardsButton* play_button_ = nullptr;
  TZefCardsButton* exit_button_ = nullptr;
  QMenu* popup_ = nullptr;
  QAction* rename_action_ = nullptr;
  QAction* speed_action_ = nullptr;
  QAction* help_action_ = nullptr;
  QAction* chat_action_ = nullptr;
  QAction* radio_action_ = nullptr;
  std::function<void()> open_chat_;
  std::function<void()> open_radio_;
  std::function<void()> rename_;
  QAction* exit_action_ = nullptr;
  QAction* score_action_ = nullptr;
  QAction* about_action_ = nullptr;
  std::unique_ptr<CardFlightAnimator> flights_;
  GifCapture* gif_ = nullptr;  // a child of the window
  WaitBanner* wait_banner_ = nullptr;
  EditCursor* edit_cursor_ = nullptr;
  QString recording_folder_;
  QCursor arrow_cursor_{Qt::ArrowCursor};
  QCursor hand_cursor_{Qt::PointingHandCursor};
  QCursor wait_cursor_{Qt::WaitCursor};
  TZefCardsButton* options_button_ = nullptr;
  std::function<void()> open_options_;
  TZefCardsButton* stats_button_ = nullptr;
  struct MenuWidget {
    QWidget* widget;
    QRect place;
    std::function<bool()> wanted;
  };
  std::vector<MenuWidget> menu_widgets_;
  std::function<void()> open_stats_;
  QLineEdit* chat_edit_ = nullptr;
  TZefCardsButton* send_button_ = nullptr;
  bool chat_shown_ = false;
  RevealCode reveal_code_;
  std::function<void(const std::string&)> chat_sender_;
  MadeCaption main_caption_;
  MadeCaption end_caption_;
  MadeCaption review_caption_;
  MadeCaption wait_text_;
  QString forecast_suffix_;  // the window title's forecast part, the same in every language
  QPointer<TFormTorg> bidding_;
  std::function<bool(const std::string&)> ask_handler_;
  // The tournament game's move clocks tick on it.
  QTimer clock_timer_;
  bool busy_ = false;
  bool forecast_mode_ = false;
  bool centred_ = false;
};

}  // namespace quorvex
