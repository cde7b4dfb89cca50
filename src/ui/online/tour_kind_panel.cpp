#include "ui/online/tour_kind_panel.h"

#include <QHBoxLayout>
#include <QRadioButton>

#include "locale/lang_text.h"

namespace quorvex {
namespace {

constexpr TourKind kKinds[3] = {TourKind::Score, TourKind::Rating, TourKind::Games};
constexpr Tx kCaptions[3] = {Tx::Score, Tx::Rating, Tx::Games};

size_t IndexOf(TourKind kind) {
  return kind == TourKind::Score ? 0 : kind == TourKind::Rating ? 1 : 2;
}

}  // namespace

TourKindPanel::TourKindPanel(TourKind kind, const QColor& text, QWidget* parent)
    : QWidget(parent), kind_(kind) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 2);
  layout->setSpacing(14);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, text);
  for (size_t i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(QString::fromUtf8(Text(kCaptions[i]).c_str()), this);
    option->setPalette(palette);
    option->setChecked(kKinds[i] == kind_);
    connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
      if (!on || kind_ == kKinds[i]) return;
      kind_ = kKinds[i];
      emit KindChosen(kind_);
    });
    layout->addWidget(option);
    options_[i] = option;
  }
}

QRadioButton* TourKindPanel::Option(TourKind kind) const {
  return options_[IndexOf(kind)];
}

}  // namespace quorvex
