#include "ui/online/chat_window.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "locale/passport_text.h"
#include "online/chat_text.h"
#include "settings/settings.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/notice_window.h"
#include "ui/online/chat_panel.h"
#include "ui/online/passport_window.h"
#include "ui/online/wait_cursor.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

constexpr int kWidth = 700;

// The writing time of a message: the system's time and short date.
std::string NowText() {
  const QDateTime now = QDateTime::currentDateTime();
  const QLocale system = QLocale::system();
  return ChatTimeText(system.toString(now.time(), QLocale::ShortFormat).toStdString(),
                      system.toString(now.date(), QLocale::ShortFormat).toStdString());
}

ChatSender Sender(const Settings& settings) {
  return ChatSender{Cp1251ToUtf8(settings.TopTenNick), Cp1251ToUtf8(settings.TopTenCity),
                    settings.TopTenCountry, settings.TopTenSex == "W" ? 'W' : 'M'};
}

// Only a passport the world lists would take may write: a nick and a city the checks accept.
bool PassportMayWrite(const Settings& settings) {
  const ChatSender sender = Sender(settings);
  return CheckPassportText(sender.nick, PassportTextKind::Nick) >= kPassportCyrillic &&
         CheckPassportText(sender.city, PassportTextKind::City) > kPassportRejected;
}

}  // namespace

TFormChat::TFormChat(ChatContext& context, QWidget* parent)
    : DesignedDialog(context.settings, parent), context_(context) {
  setWindowTitle(Qs(Text(Tx::ZefGamesChat)));
  state_ = ReadChatState(context_.state_folder);
  marked_above_ = context_.notices.chat_checked ? context_.notices.seen_chat : state_.seen;

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, HeaderHeight() + 8, 14, 12);
  layout->setSpacing(4);
  for (ChatPanel*& panel : panels_) {
    panel = new ChatPanel(this);
    layout->addWidget(panel);
  }
  layout->addSpacing(6);

  line_ = new QLineEdit(this);
  line_->setMaxLength(int(kChatTextMax));
  send_ = NewDialogButton(Qs(Text(Tx::Send)), this);
  send_->setFixedSize(110, 28);
  auto* write_row = new QHBoxLayout;
  write_row->addWidget(line_, 1);
  write_row->addWidget(send_);
  layout->addLayout(write_row);

  bottom_ = new QCheckBox(Qs(Text(Tx::LastMessageAtBottom)), this);
  bottom_->setChecked(state_.last_at_bottom);
  open_on_new_ = new QCheckBox(Qs(Text(Tx::OpenOnNewMessage)), this);
  open_on_new_->setChecked(state_.open_on_new);
  auto* options_row = new QHBoxLayout;
  options_row->addWidget(bottom_);
  options_row->addSpacing(16);
  options_row->addWidget(open_on_new_);
  options_row->addStretch(1);
  layout->addLayout(options_row);

  refresh_ = NewDialogButton(Qs(Text(Tx::Refresh)), this);
  refresh_->setFixedSize(110, 28);
  passport_ = NewDialogButton(Qs(Text(Tx::Passport)), this);
  passport_->setFixedSize(140, 28);
  auto* close = NewDialogButton(Qs(Text(Tx::Close)), this);
  close->setFixedSize(110, 28);
  auto* buttons_row = new QHBoxLayout;
  buttons_row->addWidget(refresh_);
  buttons_row->addStretch(1);
  buttons_row->addWidget(passport_);
  buttons_row->addWidget(close);
  layout->addLayout(buttons_row);
  setFixedWidth(kWidth);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Enter in the message line sends; no button takes it as the dialog's default.
  for (QPushButton* button :
       std::initializer_list<QPushButton*>{send_, refresh_, passport_, close}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  connect(line_, &QLineEdit::returnPressed, this, &TFormChat::Send);
  connect(send_, &QPushButton::clicked, this, &TFormChat::Send);
  connect(refresh_, &QPushButton::clicked, this, [this] {
    ReadAndDraw();
    refresh_->hide();
  });
  connect(bottom_, &QCheckBox::toggled, this, [this](bool on) {
    state_.last_at_bottom = on;
    WriteState();
    Draw();
    bottom_->setEnabled(false);
  });
  connect(open_on_new_, &QCheckBox::toggled, this, [this](bool on) {
    state_.open_on_new = on;
    WriteState();
  });
  connect(passport_, &QPushButton::clicked, this, [this] {
    ShowPassport(context_.settings, this);
    UpdateLine();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  timer_.setInterval(15000);
  connect(&timer_, &QTimer::timeout, this, &TFormChat::FifteenSecondTick);
  timer_.start();

  refresh_->hide();
  ReadAndDraw();
  UpdateLine();
  FinishDesign();
}

void TFormChat::ReadAndDraw() {
  {
    WaitCursor wait;
    read_ = ReadChat(context_.http, context_.settings.TopTenAddress.plain);
  }
  Draw();
}

void TFormChat::Draw() {
  if (!read_.ok) {
    panels_[0]->SetNoConnect();
    for (int i = 1; i < kPanels; ++i) panels_[i]->SetMessage(ChatRecord(), false);
    return;
  }
  for (int i = 0; i < kPanels; ++i) {
    const ChatRecord& message = read_.messages[size_t(i)];
    ChatPanel* panel = panels_[state_.last_at_bottom ? kPanels - 1 - i : i];
    panel->SetMessage(message, message.Score > marked_above_);
  }
}

void TFormChat::UpdateLine() {
  const bool may = !send_pause_ && PassportMayWrite(context_.settings);
  line_->setEnabled(may);
  send_->setEnabled(may);
}

void TFormChat::Send() {
  if (!line_->isEnabled() || line_->text().trimmed().isEmpty()) return;
  std::optional<int64_t> number;
  {
    WaitCursor wait;
    number = SendChatMessage(context_.http, context_.settings.TopTenAddress.plain,
                             Sender(context_.settings), line_->text().toStdString(), NowText());
  }
  if (!number) {
    ShowNotice(Qs(Text(Tx::UnableToSendMessage)), QString(), QString(), this);
    return;
  }
  line_->clear();
  send_pause_ = true;
  UpdateLine();
  refresh_->hide();
  context_.notices.newest_chat = *number;
  context_.notices.seen_chat = *number;
  state_.seen = *number;
  marked_above_ = *number;
  WriteState();
  ReadAndDraw();
}

void TFormChat::FifteenSecondTick() {
  refresh_->show();
  send_pause_ = false;
  UpdateLine();
  bottom_->setEnabled(true);
}

void TFormChat::WriteState() {
  WriteChatState(context_.state_folder, state_);
}

}  // namespace quorvex
