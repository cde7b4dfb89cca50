#include "ui/online/profile_view.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "locale/lang_text.h"
#include "ui/online/account_pictures.h"

namespace quorvex {
namespace {

constexpr int kLineWidth = 330;
constexpr int kLineHeight = 24;

}  // namespace

TProfileView::TProfileView(bool clickable, QWidget* parent) : QWidget(parent) {
  photo_ = new QLabel(this);
  photo_->setFixedSize(200, 250);
  photo_->setAlignment(Qt::AlignCenter);
  photo_->setFrameShape(QFrame::Box);

  auto* column = new QVBoxLayout;
  column->setSpacing(1);
  for (int field = 0; field < kProfileFields; ++field) {
    auto* line = new QToolButton(this);
    line->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    line->setAutoRaise(true);
    line->setIcon(QIcon(QPixmap::fromImage(OwnAccountPicture(ProfileSignName(field)))));
    line->setIconSize(QSize(20, 20));
    line->setFixedSize(kLineWidth, kLineHeight);
    line->setToolTip(QString::fromStdString(Text(Tx::ProfileFields, field)));
    line->setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    if (clickable && ProfileClickOf(field) != ProfileClick::None) {
      line->setCursor(Qt::PointingHandCursor);
      connect(line, &QToolButton::clicked, this, [this, field] {
        if (!texts_[field].isEmpty()) emit LineClicked(field);
      });
    }
    lines_[field] = line;
    column->addWidget(line);
  }
  column->addStretch();

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(photo_, 0, Qt::AlignTop);
  row->addSpacing(12);
  row->addLayout(column);
}

void TProfileView::Show(const TInfo14& info, const QImage& photo) {
  photo_->setPixmap(QPixmap::fromImage(
      photo.size() == QSize(200, 250)
          ? photo
          : photo.scaled(200, 250, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  for (int field = 0; field < kProfileFields; ++field) {
    texts_[field] = QString::fromStdString(ProfileField(info, field));
    QToolButton* line = lines_[field];
    const bool empty = texts_[field].isEmpty();
    // An empty line names its field, faintly, so the signs still read as a form.
    const QString shown = empty ? line->toolTip() : texts_[field];
    const QFontMetrics metrics(line->font());
    // "&" would mark a shortcut letter on a button.
    line->setText(metrics.elidedText(shown, Qt::ElideRight, kLineWidth - 34)
                      .replace(QLatin1Char('&'), QStringLiteral("&&")));
    line->setStyleSheet(empty ? QStringLiteral("QToolButton { color: gray; font-style: italic; }")
                              : QString());
  }
}

}  // namespace quorvex
