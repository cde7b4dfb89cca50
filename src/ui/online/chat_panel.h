// One message of the chat window on two lines: its number, the writer's flag and face, city,
// writing time, program version and nick, then the text; "GNew" before both lines of a message
// the player has not seen yet.
#pragma once

#include <QString>
#include <QWidget>

#include "online/chat_service.h"

namespace quorvex {

class ChatPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ChatPanel(QWidget* parent = nullptr);

  // An empty message leaves the panel empty.
  void SetMessage(const ChatRecord& message, bool is_new);
  // The list could not be read.
  void SetNoConnect();

  QString FirstLine() const { return first_; }
  QString SecondLine() const { return second_; }
  bool MarkedNew() const { return is_new_; }

  static constexpr int kHeight = 40;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ChatRecord message_;
  QString first_, second_;
  bool is_new_ = false;
  bool no_connect_ = false;
};

}  // namespace quorvex
