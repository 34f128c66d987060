// The page range (which pages produce output) and the page-number text.
#include "print/Int32.h"
#include "print/QorPrint.h"

namespace {

bool IsPageListChar(char c) {
  return (c >= '0' && c <= '9') || c == '-';
}

bool AllPagesRequested(const TQorPrintSet* settings) {
  return settings == nullptr || settings->PrintRange != 1;
}

}  // namespace

void TQorPrinter::ParsePages() {
  if (AllPagesRequested(Settings)) {
    LastPage = INT32_MAX;
    return;
  }
  LastPage = 0;
  PageList.clear();
  const std::string& pages = Settings->Pages;
  std::size_t i = 0;
  while (i < pages.size()) {
    const std::size_t start = i;
    while (i < pages.size() && IsPageListChar(pages[i])) ++i;
    const std::string token = pages.substr(start, i - start);
    if (!token.empty()) {
      const std::size_t dash = token.find('-');
      const int32_t value =
          StrToIntDef(dash == std::string::npos ? token : token.substr(dash + 1), 0);
      if (value > 0) PageList.push_back(token);
      if (value > LastPage) LastPage = value;
    }
    while (i < pages.size() && !IsPageListChar(pages[i])) ++i;
  }
}

void TQorPrinter::SelectPage() {
  if (AllPagesRequested(Settings)) {
    PageSelected = true;
    return;
  }
  PageSelected = false;
  if (!MorePages()) return;
  for (const std::string& token : PageList) {
    const std::size_t dash = token.find('-');
    if (dash != std::string::npos) {
      const int32_t low = StrToIntDef(token.substr(0, dash), INT32_MAX);
      const int32_t high = StrToIntDef(token.substr(dash + 1), 0);
      if (low <= PageNo && PageNo <= high) {
        PageSelected = true;
        return;
      }
    } else if (StrToIntDef(token, 0) == PageNo) {
      PageSelected = true;
      return;
    }
  }
}

// Builds NumberText for the current page; answers whether the page carries a number.
bool TQorPrinter::BuildNumberText() {
  NumberText.clear();
  if (!Settings || !Settings->Numbering) return false;
  if (!Settings->NumberOnFirstPage && PageNo <= Settings->FirstPageNumber) return false;
  const std::string number = std::to_string(PageNo);
  const std::string& format = Settings->NumberFormat;
  const std::size_t hash = format.find('#');
  if (hash == std::string::npos)
    NumberText = "- " + number + " -";
  else
    NumberText = format.substr(0, hash) + number + format.substr(hash + 1);
  return true;
}

// Horizontal place of a page number of the given size (characters, or device pixels).
int32_t TQorPrinter::NumberPlace(int32_t width) const {
  switch (Settings->NumberAlignment) {
    case taRight:
      return Sub32(RightX, width);
    case taCenter:
      return Add32(LeftX, Div32(Sub32(Sub32(RightX, LeftX), width), 2));
    default:  // left, and values the dialog never stores
      return LeftX;
  }
}
