#pragma once

#include <cups/cups.h>

// A connection to the CUPS server whose every wait gives up after cups::kTimeoutSeconds.
// Internal to the CUPS stand-ins.
namespace cups {

http_t* Connect();

// A destination looked up on a connection, freed with it.
struct TDest {
  http_t* http = nullptr;
  cups_dest_t* dest = nullptr;
  cups_dinfo_t* info = nullptr;

  TDest() = default;
  TDest(const TDest&) = delete;
  TDest& operator=(const TDest&) = delete;
  ~TDest();
  // Connects and looks the destination up; false when either fails.
  bool Open(const char* name);
  bool FetchInfo();
};

}  // namespace cups
