// Opening an address in the player's web browser. Tests put a hook in its place, so that no
// browser starts while they run.
#pragma once

#include <QUrl>
#include <functional>

namespace quorvex {

// An empty hook restores the browser.
void SetBrowserHook(std::function<void(const QUrl&)> hook);
void OpenInBrowser(const QUrl& address);

// A web address typed by a member, as the browser may open it: "http" and "https" addresses
// as they are, a bare host or path with "https://" before it. Anything else (a file, a script,
// another program's scheme) gives an empty address, since the text comes from another player.
QUrl MemberWebAddress(const QString& text);

}  // namespace quorvex
