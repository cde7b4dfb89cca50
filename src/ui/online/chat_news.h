// The chat and the news for the main window: the checks that light the "Zef News!" and
// "Zef Chat!" signs, the calendar timer's part in them, opening the news page and the chat
// window.
//
// The main window keeps one ChatContext for the run and
//  - calls CheckOnMenu each time the main menu is shown (at start and after a game);
//  - calls NoticeTick on every tick of the calendar timer (every 10 seconds);
//  - draws the two signs (NoticeSign widgets) as SignsShown says, whenever redraw_signs is
//    called;
//  - calls OpenNews when the news sign is clicked, ShowChat for the menu command "Chat" and a
//    click on the chat sign.
#pragma once

#include "ui/online/chat_context.h"

class QWidget;

namespace quorvex {

// Which signs the main menu shows now.
struct NewsSign {
  bool news = false;
  bool chat = false;
};
NewsSign SignsShown(const ChatContext& context);

// Looks for news on the news page; whether the news sign is lit now.
bool CheckNews(ChatContext& context);
// Looks for new chat messages; whether the chat sign is lit now.
bool CheckChat(ChatContext& context);
// Both checks, then the signs are drawn again.
void CheckOnMenu(ChatContext& context);

// One tick of the calendar timer. A message newly found plays "WToMenK" and, during a game
// (`game_under_way`) with the option "Open this window when a new message" on, opens the chat
// window over `parent`.
void NoticeTick(ChatContext& context, bool menu_shown, bool game_under_way, QWidget* parent);

// The news sign was clicked: the news counts as seen, the page opens in the browser.
void OpenNews(ChatContext& context);

// Opens the chat window (or says that the chat is paused). Every message counts as seen.
void ShowChat(ChatContext& context, QWidget* parent);

}  // namespace quorvex
