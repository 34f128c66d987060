#pragma once

#include "platform/system/CodePage.h"
#include "print/QorPrint.h"
#include "texts/QorConst.h"

// An engine error with a text of the library's table, in the current language.
inline EPrinterError LibraryError(TQorText text) {
  return EPrinterError(AnsiFromUnicode(QorText(text)));
}
