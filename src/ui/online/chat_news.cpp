#include "ui/online/chat_news.h"

#include <QUrl>
#include <algorithm>

#include "locale/lang_text.h"
#include "online/chat_news_checks.h"
#include "settings/settings.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/notice_window.h"
#include "ui/online/browser_open.h"
#include "ui/online/chat_window.h"
#include "ui/online/wait_cursor.h"

namespace quorvex {
namespace {

void Play(ChatContext& context, const char* effect) {
  if (context.play_effect) context.play_effect(effect);
}

void Redraw(ChatContext& context) {
  if (context.redraw_signs) context.redraw_signs();
}

}  // namespace

NewsSign SignsShown(const ChatContext& context) {
  // While the chat window is open its sign is not shown; the flag stays until it closes.
  return NewsSign{context.notices.news_waiting,
                  context.notices.chat_waiting && !context.notices.chat_window_open};
}

bool CheckNews(ChatContext& context) {
  NewsCheck check;
  {
    WaitCursor wait;
    check = CheckNews(context.http, context.news_address, context.state_folder);
  }
  context.notices.newest_news = check.newest;
  context.notices.news_waiting = check.Waiting();
  return context.notices.news_waiting;
}

bool CheckChat(ChatContext& context) {
  ChatCheck check;
  {
    WaitCursor wait;
    check = CheckChat(context.http, context.settings.TopTenAddress.plain, context.state_folder);
  }
  context.notices.newest_chat = check.newest;
  context.notices.seen_chat = check.state.seen;
  context.notices.chat_checked = true;
  context.notices.chat_waiting = check.Waiting();
  return context.notices.chat_waiting;
}

void CheckOnMenu(ChatContext& context) {
  CheckNews(context);
  CheckChat(context);
  Redraw(context);
}

void NoticeTick(ChatContext& context, bool menu_shown, bool game_under_way, QWidget* parent) {
  const NoticeTicks::Due due =
      context.ticks.Tick(menu_shown, context.notices.news_waiting, context.notices.chat_waiting);
  bool redraw = false;
  if (due.news && CheckNews(context)) redraw = true;
  if (due.chat && CheckChat(context)) {
    redraw = true;
    Play(context, "WToMenK");
    if (game_under_way && !context.notices.chat_window_open &&
        ReadChatState(context.state_folder).open_on_new) {
      Redraw(context);
      ShowChat(context, parent);
      return;
    }
  }
  if (redraw) Redraw(context);
}

void OpenNews(ChatContext& context) {
  // A failed check (newest 0) forgets nothing seen before.
  WriteNewsSeen(context.state_folder,
                std::max(ReadNewsSeen(context.state_folder), context.notices.newest_news));
  OpenInBrowser(QUrl(QString::fromStdString(context.news_address)));
  context.notices.news_waiting = false;
  Redraw(context);
}

void ShowChat(ChatContext& context, QWidget* parent) {
  Play(context, "WOpenFo");
  if (!context.chat_available) {
    ShowNotice(QString::fromStdString(Text(Tx::ChatUnavailable)), QString(), QString(), parent);
    return;
  }
  if (context.notices.chat_window_open) return;
  // Every message counts as seen; a failed check (newest 0) forgets nothing seen before.
  ChatState state = ReadChatState(context.state_folder);
  state.seen = std::max(state.seen, context.notices.newest_chat);
  WriteChatState(context.state_folder, state);
  context.notices.chat_window_open = true;
  Redraw(context);
  {
    TFormChat chat(context, parent);
    RunModal(chat, false);
  }
  context.notices.chat_window_open = false;
  context.notices.chat_waiting = false;
  Redraw(context);
}

}  // namespace quorvex
