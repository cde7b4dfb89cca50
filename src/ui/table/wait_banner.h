// The banner "Please, wait..." over the hidden table while the end of a session writes its
// records and asks the online services: the window does not answer meanwhile, and this says why.
#pragma once

#include <QImage>
#include <QWidget>

namespace quorvex {

class WaitBanner : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kSize{350, 80};

  explicit WaitBanner(QWidget* window);

  // Centres the banner in the window and paints it at once: the thread is about to block.
  void ShowNow();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QImage plate_;
};

}  // namespace quorvex
