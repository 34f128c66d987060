#pragma once

// The print setup dialog: edits one TQorPrintSet on four pages (Common, Page Setup, Numbering,
// Text), with the printer and paper choice.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/forms/Forms.h"
#include "print/QorPrint.h"

namespace Ui {
class TDialPrint;
}

class TDialPrint : public TForm {
  Q_OBJECT

 public:
  explicit TDialPrint(QWidget* parent = nullptr);
  ~TDialPrint() override;

  // Runs the dialog on the settings: True when the user confirmed with OK, and the settings then
  // hold the edited values; otherwise they are unchanged.
  bool Execute(TQorPrintSet& settings);
  // "Courier New, 12", "Arial, 14, Bold, Italic"; empty for no font.
  static std::string FontDescription(const TFont* font);
  // Reads EditInterval, adds the step, keeps it within 0.5 to 100 and writes it back; a text
  // that is not a number becomes "1" and the step is not applied.
  void StepInterval(double step);

  void RefreshPrinterPapers();
  void SelectPaperForSize();
  void EditFont(TFont& font);

  // Controls.
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QTabWidget* PageControl1;
  QWidget* TabSheetCommon;
  QWidget* TabSheetPage;
  QWidget* TabSheetNumbering;
  QWidget* TabSheetText;
  TRadioGroup* RadioGroupMode;
  QGroupBox* GroupBoxRange;
  QRadioButton* RadioButtonAll;
  QRadioButton* RadioButtonPages;
  QLineEdit* EditPages;
  QLabel* LabelExamplePages;
  QLineEdit* EditFilename;
  QToolButton* SpeedButton1;
  QLabel* LabelCopies;
  TSpinEdit* SpinEditCopies;
  QPushButton* BitBtnPrinter;
  QLabel* LabelPrinter;
  QLabel* LabelTitle;
  QPlainTextEdit* MemoTitle;
  QGroupBox* GroupBoxSize;
  QComboBox* ComboBoxPapers;
  TRadioGroup* RadioGroupOrient;
  QLabel* LabelWidth;
  TSpinEdit* SpinEditPageWidth;
  QLabel* LabelHeight;
  TSpinEdit* SpinEditPageHeight;
  QGroupBox* GroupBoxMargins;
  QLabel* LabelTop;
  TSpinEdit* SpinEditTop;
  QLabel* LabelLeft;
  TSpinEdit* SpinEditLeft;
  QLabel* LabelRight;
  TSpinEdit* SpinEditRight;
  QLabel* LabelBottom;
  TSpinEdit* SpinEditBottom;
  QCheckBox* CheckBoxWOPages;
  QCheckBox* CheckBoxNumbering;
  QGroupBox* GroupBoxPosition;
  QComboBox* ComboBoxV;
  QComboBox* ComboBoxH;
  QCheckBox* CheckBoxNumFirstPage;
  QLabel* LabelFirstPage;
  TSpinEdit* SpinEditNumPage;
  QLabel* LabelFormat;
  QLineEdit* EditNumFormat;
  QLabel* LabelNumFont;
  QPushButton* BitBtnNumFont;
  TRadioGroup* RadioGroupText;
  QGroupBox* GroupBoxGraphics;
  QLabel* LabelTitleFont;
  QPushButton* BitBtnHeaderFont;
  QLabel* LabelTextFont;
  QPushButton* BitBtnTextFont;
  QLabel* LabelInterval;
  QLineEdit* EditInterval;
  TSpinButton* SpinButton1;

  // State.
  std::string PrinterDevice;
  std::string PrinterPort;
  std::vector<std::string> PaperHeights;  // tenths of a millimetre, as decimal texts
  std::vector<std::string> PaperWidths;
  bool Updating = false;
  std::unique_ptr<TFont> NumFontCopy, TitleFontCopy, TextFontCopy;  // only while Execute runs
  std::string SaveDialogFileName;  // the last name chosen in the save-file dialog
  static constexpr const char* SaveDialogDefaultExt = "txt";

  // Event handlers.
  void FormCreate(QObject* Sender);
  void FormDestroy(QObject* Sender);
  void EditIntervalExit(QObject* Sender);
  void SpinButton1UpClick(QObject* Sender);
  void SpinButton1DownClick(QObject* Sender);
  void BitBtnPrinterClick(QObject* Sender);
  void ComboBoxPapersChange(QObject* Sender);
  void RadioGroupOrientClick(QObject* Sender);
  void SpinEditPageWidthChange(QObject* Sender);
  void BitBtnHeaderFontClick(QObject* Sender);
  void BitBtnTextFontClick(QObject* Sender);
  void BitBtnNumFontClick(QObject* Sender);
  void EditPagesChange(QObject* Sender);
  void EditFilenameChange(QObject* Sender);
  void SpeedButton1Click(QObject* Sender);

 protected:
  void FormActivate() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Load(const TQorPrintSet& settings);
  void Store(TQorPrintSet& settings);
  void SetPrintRange(int16_t range);
  void SetTabOrders();
  void AutoSizeLabels();

  Ui::TDialPrint* ui_;
};

// The one dialog, made on first use and freed at the end of the program.
TDialPrint& DialPrint();
