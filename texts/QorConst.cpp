#include "texts/QorConst.h"

#include <QCoreApplication>
#include <iterator>

namespace {

struct Entry {
  TQorText id;
  const char* source;
};

constexpr Entry kTexts[] = {
    {TQorText::NothingToPrint, QT_TRANSLATE_NOOP("QorConst", "Nothing to print")},
    {TQorText::ErrorConnectingToPrinter,
     QT_TRANSLATE_NOOP("QorConst", "Error connecting to printer")},
    {TQorText::ErrorOpeningDocumentPrint,
     QT_TRANSLATE_NOOP("QorConst", "Error opening document print")},
    {TQorText::ErrorOpeningDocumentFile,
     QT_TRANSLATE_NOOP("QorConst", "Error opening document file")},
    {TQorText::ErrorPrintingDocument, QT_TRANSLATE_NOOP("QorConst", "Error printing document")},
    {TQorText::ErrorSavingDocument, QT_TRANSLATE_NOOP("QorConst", "Error saving document")},
    {TQorText::ErrorClosingDocument, QT_TRANSLATE_NOOP("QorConst", "Error closing document")},
};

}  // namespace

const char* QorSourceText(TQorText id) {
  for (const Entry& entry : kTexts)
    if (entry.id == id) return entry.source;
  return "";
}

QString QorText(TQorText id) {
  return QCoreApplication::translate("QorConst", QorSourceText(id));
}

namespace {

constexpr TFormTextKind Caption = TFormTextKind::Caption;
constexpr TFormTextKind Hint = TFormTextKind::Hint;
constexpr TFormTextKind Items = TFormTextKind::Items;
constexpr TFormTextKind Text = TFormTextKind::Text;

}  // namespace

const std::vector<TFormText>& DialogTexts() {
  static const std::vector<TFormText> texts = {
      {"DialPrint", Caption, QT_TRANSLATE_NOOP("QorConst", "Print setup")},
      {"CancelBtn", Caption, QT_TRANSLATE_NOOP("QorConst", "Cancel")},
      {"TabSheetCommon", Caption, QT_TRANSLATE_NOOP("QorConst", "Common")},
      {"TabSheetPage", Caption, QT_TRANSLATE_NOOP("QorConst", "Page Setup")},
      {"TabSheetNumbering", Caption, QT_TRANSLATE_NOOP("QorConst", "Numbering")},
      {"TabSheetText", Caption, QT_TRANSLATE_NOOP("QorConst", "Text")},
      {"RadioGroupMode", Caption, QT_TRANSLATE_NOOP("QorConst", "Print mode")},
      {"RadioGroupMode", Items, QT_TRANSLATE_NOOP("QorConst", "Text mode\nGraphics mode\nFile")},
      {"GroupBoxRange", Caption, QT_TRANSLATE_NOOP("QorConst", "Print Range")},
      {"RadioButtonAll", Caption, QT_TRANSLATE_NOOP("QorConst", "All")},
      {"RadioButtonPages", Caption, QT_TRANSLATE_NOOP("QorConst", "Numbers")},
      {"LabelExamplePages", Caption, QT_TRANSLATE_NOOP("QorConst", "For example 1,3,5-12")},
      {"EditFilename", Hint, QT_TRANSLATE_NOOP("QorConst", "File name")},
      {"LabelCopies", Caption, QT_TRANSLATE_NOOP("QorConst", "Copies")},
      {"BitBtnPrinter", Caption, QT_TRANSLATE_NOOP("QorConst", "Printer")},
      {"BitBtnPrinter", Hint, QT_TRANSLATE_NOOP("QorConst", "Printer setup")},
      {"LabelTitle", Caption, QT_TRANSLATE_NOOP("QorConst", "Title")},
      {"GroupBoxSize", Caption, QT_TRANSLATE_NOOP("QorConst", "Paper size")},
      {"RadioGroupOrient", Caption, QT_TRANSLATE_NOOP("QorConst", "Orientation")},
      {"RadioGroupOrient", Items, QT_TRANSLATE_NOOP("QorConst", "Portrait\nLandscape")},
      {"LabelWidth", Caption, QT_TRANSLATE_NOOP("QorConst", "Width")},
      {"LabelHeight", Caption, QT_TRANSLATE_NOOP("QorConst", "Height")},
      {"GroupBoxMargins", Caption, QT_TRANSLATE_NOOP("QorConst", "Margins")},
      {"LabelTop", Caption, QT_TRANSLATE_NOOP("QorConst", "Top")},
      {"LabelLeft", Caption, QT_TRANSLATE_NOOP("QorConst", "Left")},
      {"LabelRight", Caption, QT_TRANSLATE_NOOP("QorConst", "Right")},
      {"LabelBottom", Caption, QT_TRANSLATE_NOOP("QorConst", "Bottom")},
      {"CheckBoxWOPages", Caption,
       QT_TRANSLATE_NOOP("QorConst", "Without pages (text and file mode only)")},
      {"CheckBoxNumbering", Caption, QT_TRANSLATE_NOOP("QorConst", "Numbering")},
      {"GroupBoxPosition", Caption, QT_TRANSLATE_NOOP("QorConst", "Position")},
      {"CheckBoxNumFirstPage", Caption, QT_TRANSLATE_NOOP("QorConst", "Number on first page")},
      {"LabelFirstPage", Caption, QT_TRANSLATE_NOOP("QorConst", "Number of first page")},
      {"LabelFormat", Caption, QT_TRANSLATE_NOOP("QorConst", "Format")},
      {"EditNumFormat", Text, QT_TRANSLATE_NOOP("QorConst", "- # -")},
      {"BitBtnNumFont", Caption, QT_TRANSLATE_NOOP("QorConst", "Font (graphics mode)")},
      {"RadioGroupText", Caption, QT_TRANSLATE_NOOP("QorConst", "Text mode")},
      {"RadioGroupText", Items,
       QT_TRANSLATE_NOOP("QorConst", "Default\nNormal\nElite\nCondensed\nCondensed elite")},
      {"GroupBoxGraphics", Caption, QT_TRANSLATE_NOOP("QorConst", "Graphics mode")},
      {"BitBtnHeaderFont", Caption, QT_TRANSLATE_NOOP("QorConst", "Title font")},
      {"BitBtnTextFont", Caption, QT_TRANSLATE_NOOP("QorConst", "Text font")},
      {"LabelInterval", Caption, QT_TRANSLATE_NOOP("QorConst", "Interval")},
  };
  return texts;
}

QString QorFormText(const TFormText& text) {
  return QCoreApplication::translate("QorConst", text.source);
}
