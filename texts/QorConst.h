#pragma once

#include <QString>

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
