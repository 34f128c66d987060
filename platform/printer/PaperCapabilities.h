#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Capabilities of DeviceCapabilitiesA.
constexpr uint16_t DC_PAPERSIZE = 3;    // points: width and height in tenths of a millimetre
constexpr uint16_t DC_PAPERNAMES = 16;  // fields of 64 characters
constexpr int kPaperNameSize = 64;

// A paper of a printer's driver, in portrait: sizes in tenths of a millimetre.
struct TPaper {
  std::string Name;
  int32_t Width = 0;
  int32_t Height = 0;
};

// The papers of a printer, in its driver's order. Failures raise EInOutError.
class TPaperCapabilities {
 public:
  virtual ~TPaperCapabilities() = default;
  virtual std::vector<TPaper> Papers(const std::string& device, const std::string& port) = 0;
};

TPaperCapabilities& PaperCapabilities();
// Installs another source of papers (a test double); answers the previous one.
std::unique_ptr<TPaperCapabilities> SetPaperCapabilities(
    std::unique_ptr<TPaperCapabilities> papers);

// The driver query: without an output buffer the number of entries, with one the entries. The
// list of every printer ends with one item "Custom size" of size 0 x 0, which stands for a size
// of the user's own. -1 for an unknown capability.
int32_t DeviceCapabilitiesA(const char* device, const char* port, uint16_t capability, char* output,
                            const void* devMode);

// The platform's text of that last item, in the current language (ANSI).
std::string CustomSizeName();
