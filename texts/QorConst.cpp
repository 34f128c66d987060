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
