#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QToolButton>
#include <QWidget>
#include <cstdint>
#include <vector>

// An integer edit with up and down arrows. Bounds apply only when MinValue and MaxValue differ;
// a text that is not a whole number reads as MinValue; a value set from code is brought into the
// bounds, and a bounded edit corrects its text into them when it loses the focus. Change is
// raised on every change of the text.
class TSpinEdit : public QWidget {
  Q_OBJECT

 public:
  explicit TSpinEdit(QWidget* parent = nullptr);

  int32_t MinValue() const { return min_; }
  int32_t MaxValue() const { return max_; }
  void SetBounds(int32_t minValue, int32_t maxValue);
  bool Bounded() const { return min_ != max_; }

  int32_t Value() const;  // as typed: not brought into the bounds
  void SetValue(int32_t value);
  QString Text() const { return edit_->text(); }
  void SetText(const QString& text) { edit_->setText(text); }
  QLineEdit* Editor() const { return edit_; }

 signals:
  void Change();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int32_t Clamp(int64_t value) const;

  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
  int32_t min_ = 0, max_ = 0;
};

// A frame of radio buttons, one per item. ItemIndex set from code selects as the user would and
// raises Click the same way; an index below 0 selects nothing, one past the last the last.
class TRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit TRadioGroup(QWidget* parent = nullptr);

  QStringList Items() const { return items_; }
  void SetItems(const QStringList& items);
  int ItemIndex() const { return index_; }
  void SetItemIndex(int index);
  QRadioButton* Button(int index) const;

 signals:
  void Click();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Layout();
  void Select(int index);

  QStringList items_;
  std::vector<QRadioButton*> buttons_;
  int index_ = -1;
};

// A pair of small arrow buttons, up above down.
class TSpinButton : public QWidget {
  Q_OBJECT

 public:
  explicit TSpinButton(QWidget* parent = nullptr);
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 signals:
  void UpClick();
  void DownClick();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

class QLabel;
// A label that sizes itself to its text, as auto-sized labels do: one whose text needs more room
// than its place grows, to the left when it is right-aligned, around its centre when centred.
void AutoSizeLabel(QLabel* label);
