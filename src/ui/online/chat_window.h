// "Zef Games Chat": the last ten messages of the maker's chat, the line to write one, and the
// two options the chat state file keeps. A player may send one message and reorder the list
// once per 15 seconds; the refresh button comes back on the same rhythm.
#pragma once

#include <QTimer>

#include "online/chat_service.h"
#include "online/chat_state_files.h"
#include "ui/dialogs/designed_dialog.h"
#include "ui/online/chat_context.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quorvex {

class ChatPanel;

class TFormChat : public DesignedDialog {
  Q_OBJECT

 public:
  // Reads the list as it opens. Messages numbered above the context's last checked seen number
  // are marked new.
  TFormChat(ChatContext& context, QWidget* parent = nullptr);

  ChatPanel* Panel(int index) const { return panels_[index]; }
  QLineEdit* MessageLine() const { return line_; }
  QPushButton* SendButton() const { return send_; }
  QPushButton* RefreshButton() const { return refresh_; }
  QPushButton* PassportButton() const { return passport_; }
  QCheckBox* BottomBox() const { return bottom_; }
  QCheckBox* OpenOnNewBox() const { return open_on_new_; }
  const ChatState& State() const { return state_; }

  // What the 15-second timer does; tests call it instead of waiting.
  void FifteenSecondTick();

  static constexpr int kPanels = 10;

 private:
  void ReadAndDraw();
  void Draw();
  void UpdateLine();
  void Send();
  void WriteState();

  ChatContext& context_;
  ChatState state_;
  ChatRead read_;
  int64_t marked_above_ = 0;
  bool send_pause_ = false;  // a message went: the line waits for the next tick
  ChatPanel* panels_[kPanels] = {};
  QLineEdit* line_ = nullptr;
  QPushButton* send_ = nullptr;
  QPushButton* refresh_ = nullptr;
  QPushButton* passport_ = nullptr;
  QCheckBox* bottom_ = nullptr;
  QCheckBox* open_on_new_ = nullptr;
  QTimer timer_;
};

}  // namespace quorvex
