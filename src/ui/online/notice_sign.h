// A sign of the main menu that something new waits: "Zef News!" over the picture "GNews072" or
// "Zef Chat!" over "GChat072", with a siren that blinks between "GSirenaB" and "GSirenaR" while
// the sign is shown. A click emits clicked().
#pragma once

#include <QTimer>
#include <QWidget>

namespace quorvex {

class NoticeSign : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { News, Chat };

  explicit NoticeSign(Kind kind, QWidget* parent = nullptr);

  // Shows the sign and starts its siren, or hides it.
  void SetShown(bool shown);
  Kind SignKind() const { return kind_; }
  // The siren's picture now.
  QString SirenPicture() const;
  // One step of the blinking; the sign's timer calls it.
  void Blink();

  static constexpr QSize kSize{96, 100};

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QString Caption() const;

  Kind kind_;
  bool red_ = false;
  QTimer blink_;
};

}  // namespace quorvex
