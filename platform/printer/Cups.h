#pragma once

#include <optional>
#include <string>
#include <vector>

// What this library asks of the CUPS server named by CUPS_SERVER (else the user's default).
// Every request is bounded in time: a server that is gone or stuck gives an empty answer, never
// a hang.
namespace cups {

// Seconds any single wait for the server may take.
constexpr int kTimeoutSeconds = 10;

// The destinations, in the server's order; empty without a server.
std::vector<std::string> DestinationNames();
// The default destination; empty when there is none.
std::string DefaultDestination();

// A paper of a destination, sizes and unprintable edges in 1/100 mm.
struct TMedia {
  std::string name;
  int width = 0, length = 0;
  int left = 0, right = 0, top = 0, bottom = 0;
};

// The default paper and resolution of a destination with a driver; nullopt for a destination
// without paper data (a raw queue) or one that cannot be asked.
struct TDeviceData {
  TMedia media;
  int dpiX = 0, dpiY = 0;
};
std::optional<TDeviceData> DeviceData(const std::string& destination);

// The papers of a destination with their names as the server presents them; empty for one
// without paper data (a raw queue) or one that cannot be asked.
std::vector<TMedia> MediaList(const std::string& destination);

// Whether the destination accepts jobs now (a stopped or rejecting queue does not).
bool AcceptingJobs(const std::string& destination);

// Sends a PDF file to a destination as one job with its copies; raises EInOutError with the
// server's reason when the job is refused or cannot be sent.
void SubmitPdf(const std::string& destination, const std::string& path, const std::string& title,
               int copies);

}  // namespace cups
