#pragma once

#include <QString>
#include <vector>

// The library's table of localisable texts. Each text goes through Qt's translation machinery
// under the context "QorConst", so an installed translation replaces it.
enum class TQorText {
  NothingToPrint,
  ErrorConnectingToPrinter,
  ErrorOpeningDocumentPrint,
  ErrorOpeningDocumentFile,
  ErrorPrintingDocument,
  ErrorSavingDocument,
  ErrorClosingDocument,
};

// The text in the current language.
QString QorText(TQorText id);
// The untranslated source text.
const char* QorSourceText(TQorText id);

// The texts of the print setup dialog, applied over its form description when it is made: for
// each, the component, what the text is, and the text (items separated by line breaks).
enum class TFormTextKind { Caption, Hint, Items, Text };
struct TFormText {
  const char* component;
  TFormTextKind kind;
  const char* source;
};
const std::vector<TFormText>& DialogTexts();
// A form text in the current language.
QString QorFormText(const TFormText& text);
