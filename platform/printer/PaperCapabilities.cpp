#include "platform/printer/PaperCapabilities.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

#include "platform/printer/Cups.h"
#include "platform/printer/Printer.h"
#include "platform/system/CodePage.h"
#include "platform/system/Finalization.h"

namespace {

// The papers of "Print to PDF".
const std::vector<TPaper> kPdfPapers = {
    {"A4", 2100, 2970},     {"A3", 2970, 4200},    {"A5", 1480, 2100},        {"B5", 1820, 2570},
    {"Letter", 2159, 2794}, {"Legal", 2159, 3556}, {"Executive", 1841, 2667},
};

class TSystemPaperCapabilities : public TPaperCapabilities {
 public:
  std::vector<TPaper> Papers(const std::string& device, const std::string&) override {
    if (device == kPrintToPdf) return kPdfPapers;
    std::vector<TPaper> papers;
    for (const cups::TMedia& media : cups::MediaList(device))
      papers.push_back({AnsiFromUtf8(media.name), media.width / 10, media.length / 10});
    return papers;
  }
};

TProgramObject<TPaperCapabilities>& ThePapers() {
  static auto& papers = *new TProgramObject<TPaperCapabilities>(
      "PaperCapabilities", TFinalizationStage::Platform,
      [] { return std::make_unique<TSystemPaperCapabilities>(); });
  return papers;
}

}  // namespace

TPaperCapabilities& PaperCapabilities() {
  return ThePapers().Get();
}

std::unique_ptr<TPaperCapabilities> SetPaperCapabilities(
    std::unique_ptr<TPaperCapabilities> papers) {
  return ThePapers().Set(std::move(papers));
}

std::string CustomSizeName() {
  return AnsiFromUnicode(QCoreApplication::translate("Platform", "Custom size"));
}

int32_t DeviceCapabilitiesA(const char* device, const char* port, uint16_t capability, char* output,
                            const void*) {
  if (capability != DC_PAPERNAMES && capability != DC_PAPERSIZE) return -1;
  std::vector<TPaper> papers = PaperCapabilities().Papers(device ? device : "", port ? port : "");
  papers.push_back({CustomSizeName(), 0, 0});
  if (output) {
    for (std::size_t i = 0; i < papers.size(); ++i) {
      if (capability == DC_PAPERNAMES) {
        char* field = output + i * kPaperNameSize;
        std::memset(field, 0, kPaperNameSize);
        std::memcpy(field, papers[i].Name.data(),
                    std::min<std::size_t>(papers[i].Name.size(), kPaperNameSize));
      } else {
        const int32_t point[2] = {papers[i].Width, papers[i].Height};
        std::memcpy(output + i * sizeof point, point, sizeof point);
      }
    }
  }
  return static_cast<int32_t>(papers.size());
}
