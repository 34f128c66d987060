// The dialog's form: every control's kind, place, texts, hints and bounds, and the tab chains.
#include <QGroupBox>
#include <QLabel>

#include "dialogs/DialogFixture.h"

namespace {

TEST_F(DialogTest, ControlsAsTheFormDescribesThem) {
  struct Control {
    const char* name;
    const char* kind;
    QRect place;
    const char* text;  // caption, title or text; nullptr: not checked
  } controls[] = {
      {"OKBtn", "QPushButton", {78, 199, 75, 25}, "OK"},
      {"CancelBtn", "QPushButton", {161, 199, 73, 25}, "Cancel"},
      {"PageControl1", "QTabWidget", {0, 0, 328, 195}, nullptr},
      {"RadioGroupMode", "TRadioGroup", {12, -1, 116, 63}, "Print mode"},
      {"GroupBoxRange", "QGroupBox", {122, -1, 196, 63}, "Print Range"},
      {"RadioButtonAll", "QRadioButton", {5, 13, 112, 17}, "All"},
      {"RadioButtonPages", "QRadioButton", {5, 30, 62, 17}, "Numbers"},
      {"EditPages", "QLineEdit", {66, 27, 126, 21}, ""},
      {"LabelExamplePages", "QLabel", {67, 48, 99, 13}, "For example 1,3,5-12"},
      {"EditFilename", "QLineEdit", {2, 64, 181, 21}, ""},
      {"SpeedButton1", "QToolButton", {182, 64, 23, 22}, "..."},
      {"LabelCopies", "QLabel", {248, 68, 32, 13}, "Copies"},
      {"SpinEditCopies", "TSpinEdit", {283, 64, 35, 22}, nullptr},
      {"BitBtnPrinter", "QPushButton", {3, 87, 74, 25}, "Printer"},
      {"LabelPrinter", "QLabel", {82, 94, 237, 13}, nullptr},
      {"LabelTitle", "QLabel", {13, 113, 20, 13}, "Title"},
      {"MemoTitle", "QPlainTextEdit", {1, 126, 319, 41}, nullptr},
      {"GroupBoxSize", "QGroupBox", {0, 0, 160, 145}, "Paper size"},
      {"ComboBoxPapers", "QComboBox", {7, 15, 148, 21}, nullptr},
      {"RadioGroupOrient", "TRadioGroup", {7, 38, 145, 62}, "Orientation"},
      {"LabelWidth", "QLabel", {11, 104, 28, 13}, "Width"},
      {"SpinEditPageWidth", "TSpinEdit", {8, 118, 66, 22}, nullptr},
      {"LabelHeight", "QLabel", {88, 104, 31, 13}, "Height"},
      {"SpinEditPageHeight", "TSpinEdit", {85, 118, 66, 22}, nullptr},
      {"GroupBoxMargins", "QGroupBox", {164, 0, 154, 140}, "Margins"},
      {"LabelTop", "QLabel", {4, 19, 51, 13}, "Top"},
      {"SpinEditTop", "TSpinEdit", {59, 16, 44, 22}, nullptr},
      {"LabelLeft", "QLabel", {5, 56, 18, 13}, "Left"},
      {"SpinEditLeft", "TSpinEdit", {4, 71, 47, 22}, nullptr},
      {"LabelRight", "QLabel", {103, 57, 25, 13}, "Right"},
      {"SpinEditRight", "TSpinEdit", {101, 71, 48, 22}, nullptr},
      {"LabelBottom", "QLabel", {6, 120, 49, 13}, "Bottom"},
      {"SpinEditBottom", "TSpinEdit", {59, 115, 44, 22}, nullptr},
      {"CheckBoxWOPages",
       "QCheckBox",
       {4, 150, 309, 17},
       "Without pages (text and file mode only)"},
      {"CheckBoxNumbering", "QCheckBox", {22, 2, 124, 22}, "Numbering"},
      {"GroupBoxPosition", "QGroupBox", {6, 27, 140, 93}, "Position"},
      {"ComboBoxV", "QComboBox", {11, 45, 125, 21}, nullptr},
      {"ComboBoxH", "QComboBox", {12, 88, 125, 21}, nullptr},
      {"CheckBoxNumFirstPage", "QCheckBox", {158, 6, 162, 17}, "Number on first page"},
      {"LabelFirstPage", "QLabel", {156, 30, 95, 13}, "Number of first page"},
      {"SpinEditNumPage", "TSpinEdit", {157, 46, 104, 22}, nullptr},
      {"LabelFormat", "QLabel", {158, 77, 32, 13}, "Format"},
      {"EditNumFormat", "QLineEdit", {158, 91, 101, 21}, "- # -"},
      {"LabelNumFont", "QLabel", {159, 123, 65, 13}, nullptr},
      {"BitBtnNumFont", "QPushButton", {159, 138, 156, 25}, "Font (graphics mode)"},
      {"RadioGroupText", "TRadioGroup", {2, -1, 158, 122}, "Text mode"},
      {"GroupBoxGraphics", "QGroupBox", {168, 0, 151, 121}, "Graphics mode"},
      {"LabelTitleFont", "QLabel", {8, 19, 65, 13}, nullptr},
      {"BitBtnHeaderFont", "QPushButton", {174, 35, 140, 25}, "Title font"},
      {"LabelTextFont", "QLabel", {9, 72, 65, 13}, nullptr},
      {"BitBtnTextFont", "QPushButton", {174, 89, 140, 25}, "Text font"},
      {"LabelInterval", "QLabel", {129, 135, 35, 13}, "Interval"},
      {"EditInterval", "QLineEdit", {168, 132, 50, 21}, "1"},
      {"SpinButton1", "TSpinButton", {218, 132, 20, 20}, nullptr},
  };
  for (const Control& c : controls) {
    auto* widget = dialog->findChild<QWidget*>(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_STREQ(widget->metaObject()->className(), c.kind) << c.name;
    // Labels size themselves to their text: they may only grow from their place.
    if (qobject_cast<QLabel*>(widget) && widget != dialog->LabelPrinter) {
      EXPECT_EQ(widget->y(), c.place.y()) << c.name;
      EXPECT_EQ(widget->height(), c.place.height()) << c.name;
      EXPECT_GE(widget->width(), c.place.width()) << c.name;
    } else {
      EXPECT_EQ(widget->geometry(), c.place) << c.name;
    }
    if (!c.text) continue;
    const auto* group = qobject_cast<QGroupBox*>(widget);
    EXPECT_EQ(group ? group->title() : widget->property("text").toString(), c.text) << c.name;
  }
  EXPECT_EQ(dialog->windowTitle(), "Print setup");
  EXPECT_EQ(dialog->size(), QSize(328, 228));
  EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());  // fixed border
  EXPECT_EQ(dialog->font().pixelSize(), 11);
  EXPECT_EQ(dialog->EditFilename->toolTip(), "File name");
  EXPECT_EQ(dialog->BitBtnPrinter->toolTip(), "Printer setup");
  EXPECT_EQ(dialog->SpeedButton1->focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(dialog->OKBtn->isDefault());
  const QStringList tabs{"Common", "Page Setup", "Numbering", "Text"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(dialog->PageControl1->tabText(i), tabs[i]);
  EXPECT_EQ(dialog->RadioGroupMode->Items(), QStringList({"Text mode", "Graphics mode", "File"}));
  EXPECT_EQ(dialog->RadioGroupOrient->Items(), QStringList({"Portrait", "Landscape"}));
  EXPECT_EQ(dialog->RadioGroupText->Items(),
            QStringList({"Default", "Normal", "Elite", "Condensed", "Condensed elite"}));
  struct Bounds {
    TSpinEdit* edit;
    int min, max;
  } bounds[] = {{dialog->SpinEditCopies, 1, 99},       {dialog->SpinEditNumPage, 1, INT32_MAX},
                {dialog->SpinEditPageWidth, 0, 32767}, {dialog->SpinEditPageHeight, 0, 32767},
                {dialog->SpinEditTop, 0, 32767},       {dialog->SpinEditBottom, 0, 32767}};
  for (const Bounds& b : bounds) {
    EXPECT_EQ(b.edit->MinValue(), b.min);
    EXPECT_EQ(b.edit->MaxValue(), b.max);
  }
}

// Where Tab stops for a control: a radio group takes the focus with its first button.
QWidget* FocusTaker(QWidget* control) {
  auto* group = qobject_cast<TRadioGroup*>(control);
  return group ? group->Button(0) : control;
}

// The order Tab takes through a page, from its first control.
std::vector<QString> TabChain(QWidget* first, const std::vector<QWidget*>& stops) {
  std::vector<QString> chain;
  QWidget* widget = FocusTaker(first);
  for (int i = 0; i < 500 && chain.size() < stops.size(); ++i, widget = widget->nextInFocusChain())
    for (QWidget* stop : stops)
      if (widget == FocusTaker(stop) &&
          std::find(chain.begin(), chain.end(), stop->objectName()) == chain.end())
        chain.push_back(stop->objectName());
  return chain;
}

TEST_F(DialogTest, FocusOrderOfEachPage) {
  TDialPrint& d = *dialog;
  const std::vector<std::vector<QWidget*>> pages = {
      {d.RadioGroupMode, d.RadioButtonAll, d.RadioButtonPages, d.EditPages, d.SpinEditCopies,
       d.MemoTitle, d.BitBtnPrinter, d.EditFilename},
      {d.SpinEditTop, d.SpinEditLeft, d.SpinEditRight, d.SpinEditBottom, d.ComboBoxPapers,
       d.SpinEditPageWidth, d.SpinEditPageHeight, d.RadioGroupOrient, d.CheckBoxWOPages},
      {d.CheckBoxNumbering, d.ComboBoxV, d.ComboBoxH, d.CheckBoxNumFirstPage, d.SpinEditNumPage,
       d.EditNumFormat, d.BitBtnNumFont},
      {d.RadioGroupText, d.BitBtnHeaderFont, d.BitBtnTextFont, d.SpinButton1, d.EditInterval},
  };
  for (const auto& page : pages) {
    std::vector<QString> expected;
    for (QWidget* w : page) expected.push_back(w->objectName());
    EXPECT_EQ(TabChain(page.front(), page), expected);
  }
  EXPECT_EQ(TabChain(d.OKBtn, {d.OKBtn, d.CancelBtn, d.PageControl1}),
            (std::vector<QString>{"OKBtn", "CancelBtn", "PageControl1"}));
}

}  // namespace
