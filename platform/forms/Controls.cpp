#include "platform/forms/Controls.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <algorithm>

namespace {

QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRepeat(true);
  return button;
}

}  // namespace

// TSpinEdit

TSpinEdit::TSpinEdit(QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      up_(ArrowButton(this, Qt::UpArrow)),
      down_(ArrowButton(this, Qt::DownArrow)) {
  setFocusProxy(edit_);
  setFocusPolicy(Qt::StrongFocus);
  edit_->setText("0");
  edit_->installEventFilter(this);
  connect(edit_, &QLineEdit::textChanged, this, [this] { emit Change(); });
  connect(up_, &QToolButton::clicked, this, [this] { SetValue(Clamp(int64_t{Value()} + 1)); });
  connect(down_, &QToolButton::clicked, this, [this] { SetValue(Clamp(int64_t{Value()} - 1)); });
}

void TSpinEdit::SetBounds(int32_t minValue, int32_t maxValue) {
  min_ = minValue;
  max_ = maxValue;
}

int32_t TSpinEdit::Clamp(int64_t value) const {
  if (!Bounded()) return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
  return static_cast<int32_t>(std::clamp<int64_t>(value, min_, max_));
}

int32_t TSpinEdit::Value() const {
  bool ok = false;
  const int value = edit_->text().trimmed().toInt(&ok);
  return ok ? value : min_;
}

void TSpinEdit::SetValue(int32_t value) {
  edit_->setText(QString::number(Clamp(value)));
}

bool TSpinEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::FocusOut && Bounded()) {
    const int32_t clamped = Clamp(Value());
    if (QString::number(clamped) != edit_->text()) SetValue(clamped);
  }
  return QWidget::eventFilter(watched, event);
}

void TSpinEdit::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int arrows = 15;
  edit_->setGeometry(0, 0, width() - arrows, height());
  up_->setGeometry(width() - arrows, 0, arrows, height() / 2);
  down_->setGeometry(width() - arrows, height() / 2, arrows, height() - height() / 2);
}

// TRadioGroup

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {}

void TRadioGroup::SetItems(const QStringList& items) {
  for (QRadioButton* button : buttons_) delete button;
  buttons_.clear();
  items_ = items;
  index_ = -1;
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setAutoExclusive(true);
    connect(button, &QRadioButton::clicked, this, [this, i] { Select(i); });
    buttons_.push_back(button);
    button->show();
  }
  Layout();
}

QRadioButton* TRadioGroup::Button(int index) const {
  return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[index] : nullptr;
}

void TRadioGroup::SetItemIndex(int index) {
  if (buttons_.empty()) return;
  if (index >= static_cast<int>(buttons_.size())) index = static_cast<int>(buttons_.size()) - 1;
  if (index < 0) {
    if (index_ >= 0) {
      buttons_[index_]->setAutoExclusive(false);
      buttons_[index_]->setChecked(false);
      buttons_[index_]->setAutoExclusive(true);
    }
    index_ = -1;
    return;
  }
  buttons_[index]->setChecked(true);
  Select(index);
}

void TRadioGroup::Select(int index) {
  if (index == index_) return;
  index_ = index;
  emit Click();
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  Layout();
}

// The buttons share the height below the caption evenly, one column.
void TRadioGroup::Layout() {
  if (buttons_.empty()) return;
  const int top = fontMetrics().height();
  const int each = std::max(1, (height() - top - 4) / static_cast<int>(buttons_.size()));
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    buttons_[i]->setGeometry(8, top + static_cast<int>(i) * each, width() - 12, each);
}

// TSpinButton

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent),
      up_(ArrowButton(this, Qt::UpArrow)),
      down_(ArrowButton(this, Qt::DownArrow)) {
  setFocusPolicy(Qt::TabFocus);
  connect(up_, &QToolButton::clicked, this, &TSpinButton::UpClick);
  connect(down_, &QToolButton::clicked, this, &TSpinButton::DownClick);
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  up_->setGeometry(0, 0, width(), height() / 2);
  down_->setGeometry(0, height() / 2, width(), height() - height() / 2);
}

void AutoSizeLabel(QLabel* label) {
  const int needed = label->sizeHint().width();
  if (needed <= label->width()) return;
  QRect place = label->geometry();
  if (label->alignment() & Qt::AlignRight)
    place.setLeft(place.right() - needed + 1);
  else if (label->alignment() & Qt::AlignHCenter)
    place.adjust(-(needed - place.width()) / 2, 0,
                 needed - place.width() - (needed - place.width()) / 2, 0);
  else
    place.setWidth(needed);
  label->setGeometry(place);
}
