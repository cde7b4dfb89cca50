#include "ui/online/browser_open.h"

#include <QDesktopServices>

namespace quorvex {
namespace {
std::function<void(const QUrl&)>& Hook() {
  static std::function<void(const QUrl&)> hook;
  return hook;
}
}  // namespace

void SetBrowserHook(std::function<void(const QUrl&)> hook) {
  Hook() = std::move(hook);
}

void OpenInBrowser(const QUrl& address) {
  if (Hook()) {
    Hook()(address);
    return;
  }
  QDesktopServices::openUrl(address);
}

QUrl MemberWebAddress(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty() || trimmed.contains(QLatin1Char(' '))) return QUrl();
  const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
  const qsizetype slash = trimmed.indexOf(QLatin1Char('/'));
  // A colon before any slash starts a scheme ("mailto:", "file:", "javascript:"); a port
  // after a host ("site.org:8080") has a dot before it.
  const bool has_scheme =
      colon > 0 && (slash < 0 || colon < slash) && !trimmed.left(colon).contains(QLatin1Char('.'));
  QUrl url(has_scheme ? trimmed : QStringLiteral("https://") + trimmed, QUrl::StrictMode);
  if (!url.isValid() || url.host().isEmpty()) return QUrl();
  const QString scheme = url.scheme().toLower();
  if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) return QUrl();
  return url;
}

}  // namespace quorvex
