// An auxiliary window in the player's dialog design: the header with the caption across the top
// (or the purple picture under everything), the window's colours and the buttons of the design.
// A window built on it lays its contents out below `HeaderHeight()` and calls `FinishDesign()`
// once its buttons exist.
#pragma once

#include <QDialog>
#include <QString>

#include "settings/settings.h"
#include "ui/dialogs/dialog_design.h"

namespace quorvex {

class DesignedDialog : public QDialog {
  Q_OBJECT

 public:
  DesignedDialog(const Settings& settings, QWidget* parent);

  DialogDesign Design() const { return design_; }
  int HeaderHeight() const;
  // The colour of text drawn straight on the window: light on purple, dark on grey.
  QColor TextColour() const;

 protected:
  const Settings& DesignSettings() const { return settings_; }
  // The colours of the design and the button style; again after buttons were added.
  void FinishDesign();
  // The caption in the header; the window title unless a window says otherwise.
  void SetHeaderCaption(const QString& caption) { caption_ = caption; }
  void paintEvent(QPaintEvent* event) override;

 private:
  Settings settings_;
  DialogDesign design_;
  QString caption_;
};

}  // namespace quorvex
