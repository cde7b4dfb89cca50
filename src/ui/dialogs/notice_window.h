// The "Attention" notice: up to three short lines (a missing file, a failed download) and "Ok".
// The third line is a link the player can click.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace quorvex {

class TFormNotice : public QDialog {
  Q_OBJECT

 public:
  // Empty lines are left out.
  TFormNotice(const QString& line1, const QString& line2, const QString& link,
              QWidget* parent = nullptr);

  // The left margin of the lines, counted into the width rule.
  static constexpr int kLineLeft = 20;

  QLabel* Line(int index) const { return lines_[static_cast<size_t>(index)]; }
  QPushButton* OkButton() const { return ok_; }

  // Opens a clicked link; the system's default handler unless a test replaces it.
  using LinkOpener = std::function<void(const QString&)>;
  static void SetLinkOpener(LinkOpener opener);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QLabel*, 3> lines_{};
  QPushButton* ok_ = nullptr;
};

// Shows the notice modally. While a hook is set, the hook receives the lines instead, so that
// tests of the windows that report problems never wait for a click.
void ShowNotice(const QString& line1, const QString& line2, const QString& link,
                QWidget* parent = nullptr);
using NoticeHook = std::function<void(const QString&, const QString&, const QString&)>;
void SetNoticeHook(NoticeHook hook);

}  // namespace quorvex
