// The engine's state and its document operations, shared by the three output modes.
#include <utility>

#include "platform/printer/Printer.h"
#include "print/Int32.h"
#include "print/Messages.h"
#include "print/QorPrint.h"

namespace {

constexpr uint8_t kTextMode = 0;
constexpr uint8_t kGraphicsMode = 1;
constexpr uint8_t kFileMode = 2;

// Runs its action when the scope is left, on every path.
template <class F>
class ScopeExit {
 public:
  explicit ScopeExit(F action) : action_(std::move(action)) {}
  ~ScopeExit() { action_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  F action_;
};

}  // namespace

TQorPrinter::TQorPrinter() : OemBuffer(new char[255]) {}

TQorPrinter::~TQorPrinter() {
  // A destructor cannot reach an override: the unit's finalization ends an open document
  // through the virtual EndDoc first. This covers engines that callers free themselves.
  if (FPrinting) {
    try {
      TQorPrinter::EndDoc();
    } catch (...) {
    }
  }
}

void TQorPrinter::SetMode(uint8_t value) {
  if (FPrinting) EndDoc();
  FMode = value;
}

bool TQorPrinter::MorePages() const {
  return LastPage >= PageNo;
}

bool TQorPrinter::BeginDoc(TQorPrintSet* settings) {
  if (settings) {
    Settings = settings;
    SetMode(settings->Mode);
  } else {
    Settings = nullptr;
  }
  if (FPrinting) throw EPrinterError("Double BeginDoc");
  FPrinting = true;
  FLastError.clear();
  try {
    switch (FMode) {
      case kTextMode:
        ComputeGeometry();
        if (!MorePages()) throw LibraryError(TQorText::NothingToPrint);
        OpenSpoolerDocument();
        // The setup codes are control bytes, not text: they go out untranslated.
        SendToSpooler(SetupString.data(), SetupString.size());
        BeginPage();
        if (Settings) Print(Settings->Title);
        break;
      case kGraphicsMode:
        ComputeGeometry();
        if (!MorePages()) throw LibraryError(TQorText::NothingToPrint);
        BeginGraphics();
        break;
      case kFileMode:
        OpenFile();
        ComputeGeometry();
        if (MorePages()) BeginPage();
        if (Settings) Print(Settings->Title);
        break;
      default:
        break;
    }
  } catch (const std::exception& error) {
    FLastError = error.what();
    ReleaseAfterFailedBegin();
    FPrinting = false;
    return false;
  } catch (...) {
    FLastError = "Unknown error";
    ReleaseAfterFailedBegin();
    FPrinting = false;
    return false;
  }
  return true;
}

// Whatever the failed opening had already taken is given back: the spooler job is cancelled,
// the printer job abandoned, the file closed.
void TQorPrinter::ReleaseAfterFailedBegin() {
  try {
    switch (FMode) {
      case kTextMode:
        ReleaseSpooler();
        break;
      case kGraphicsMode:
        if (::Printer().Printing()) ::Printer().Abort();
        break;
      case kFileMode:
        if (OutFile.IsOpen()) OutFile.Close();
        break;
      default:
        break;
    }
  } catch (...) {
    // The opening's own error is the one to report.
  }
}

void TQorPrinter::EndDoc() {
  if (!FPrinting) throw EPrinterError("EndDoc without BeginDoc");
  ScopeExit closed([this] { FPrinting = false; });
  switch (FMode) {
    case kTextMode:
      EndText(true);
      break;
    case kGraphicsMode:
      ::Printer().EndDoc();
      break;
    case kFileMode:
      EndFile(true);
      break;
    default:
      break;
  }
}

void TQorPrinter::Abort() {
  if (!FPrinting) throw EPrinterError("EndDoc without BeginDoc");
  ScopeExit closed([this] { FPrinting = false; });
  switch (FMode) {
    case kTextMode:
      EndText(false);
      break;
    case kGraphicsMode:
      ::Printer().Abort();
      break;
    case kFileMode:
      EndFile(false);
      break;
    default:
      break;
  }
}

void TQorPrinter::NewPage() {
  switch (FMode) {
    case kTextMode:
    case kFileMode:
      NewPageText();
      break;
    case kGraphicsMode:
      NewPageGraphics();
      break;
    default:
      break;
  }
}

void TQorPrinter::NewPageText() {
  if (PageSelected) FinishPage();
  CurY = TopY;
  PageNo = Add32(PageNo, 1);
  SelectPage();
  if (PageSelected) {
    PageStarted = true;
    BeginPage();
  }
}

// Form feeds end pages and CR LF or LF CR pairs end lines. Walked in a loop rather than by
// recursion, so a text with a million line breaks needs no deeper stack than one with one.
void TQorPrinter::Print(const std::string& text) {
  if (!FPrinting) throw EPrinterError("Print without BeginDoc");
  std::string_view rest(text);
  for (;;) {
    const std::size_t formFeed = rest.find('\f');
    if (formFeed == std::string_view::npos) {
      PrintPart(rest);
      return;
    }
    PrintPart(rest.substr(0, formFeed));
    NewPage();
    if (formFeed + 1 == rest.size()) return;
    rest.remove_prefix(formFeed + 1);
  }
}

// Text without form feeds. A CR LF pair ends a line wherever it stands; the part before the first
// one, and text without any, is split at LF CR pairs. A text that ends with a line break prints
// one empty line after it.
void TQorPrinter::PrintPart(std::string_view text) {
  for (;;) {
    const std::size_t crLf = text.find("\r\n");
    if (crLf == std::string_view::npos) {
      PrintLfCrLines(text);
      return;
    }
    PrintLfCrLines(text.substr(0, crLf));
    text.remove_prefix(crLf + 2);
    if (text.empty()) {
      PrintLine(text);
      return;
    }
  }
}

void TQorPrinter::PrintLfCrLines(std::string_view text) {
  for (;;) {
    const std::size_t lfCr = text.find("\n\r");
    if (lfCr == std::string_view::npos) {
      PrintLine(text);
      return;
    }
    PrintLine(text.substr(0, lfCr));
    text.remove_prefix(lfCr + 2);
    if (text.empty()) {
      PrintLine(text);
      return;
    }
  }
}

void TQorPrinter::PrintLine(std::string_view line) {
  switch (FMode) {
    case kTextMode:
      PrintLineText(line);
      break;
    case kGraphicsMode:
      PrintLineGraphics(line);
      break;
    case kFileMode:
      PrintLineFile(line);
      break;
    default:
      break;
  }
}

void TQorPrinter::BeginPage() {
  switch (FMode) {
    case kTextMode:
    case kFileMode:
      BeginPageText();
      break;
    case kGraphicsMode:
      BeginPageGraphics();
      break;
    default:
      break;
  }
}
