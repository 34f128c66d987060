#include "platform/printer/Cups.h"

#include <sys/socket.h>

#include <algorithm>
#include <cstdio>

#include "platform/printer/CupsConnection.h"
#include "platform/system/EInOutError.h"

namespace cups {

namespace {

int GiveUp(http_t*, void*) {
  return 0;
}

}  // namespace

http_t* Connect() {
  int cancel = 0;
  http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              kTimeoutSeconds * 1000, &cancel);
  if (http) httpSetTimeout(http, kTimeoutSeconds, GiveUp, nullptr);
  return http;
}

TDest::~TDest() {
  if (info) cupsFreeDestInfo(info);
  if (dest) cupsFreeDests(1, dest);
  if (http) httpClose(http);
}

bool TDest::Open(const char* name) {
  http = Connect();
  if (!http) return false;
  dest = cupsGetNamedDest(http, name, nullptr);
  return dest != nullptr;
}

bool TDest::FetchInfo() {
  if (!info) info = cupsCopyDestInfo(http, dest);
  return info != nullptr;
}

std::vector<std::string> DestinationNames() {
  std::vector<std::string> names;
  http_t* http = Connect();
  if (!http) return names;
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(http, &dests);
  for (int i = 0; i < count; ++i)
    if (!dests[i].instance) names.emplace_back(dests[i].name);
  cupsFreeDests(count, dests);
  httpClose(http);
  return names;
}

std::string DefaultDestination() {
  std::string name;
  http_t* http = Connect();
  if (!http) return name;
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(http, &dests);
  for (int i = 0; i < count; ++i)
    if (dests[i].is_default) name = dests[i].name;
  cupsFreeDests(count, dests);
  httpClose(http);
  return name;
}

std::optional<TDeviceData> DeviceData(const std::string& destination) {
  TDest d;
  if (!d.Open(destination.c_str()) || !d.FetchInfo()) return std::nullopt;
  cups_size_t size{};
  if (!cupsGetDestMediaDefault(d.http, d.dest, d.info, 0, &size) || size.width <= 0 ||
      size.length <= 0)
    return std::nullopt;
  TDeviceData data;
  data.media = {size.media, size.width, size.length, size.left, size.right, size.top, size.bottom};
  data.dpiX = data.dpiY = 300;  // what a driver that names no resolution prints at
  if (ipp_attribute_t* resolution =
          cupsFindDestDefault(d.http, d.dest, d.info, "printer-resolution")) {
    int yres = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int xres = ippGetResolution(resolution, 0, &yres, &units);
    if (xres > 0 && yres > 0) {
      data.dpiX = units == IPP_RES_PER_CM ? xres * 254 / 100 : xres;
      data.dpiY = units == IPP_RES_PER_CM ? yres * 254 / 100 : yres;
    }
  }
  return data;
}

std::vector<TMedia> MediaList(const std::string& destination) {
  std::vector<TMedia> list;
  TDest d;
  if (!d.Open(destination.c_str()) || !d.FetchInfo()) return list;
  const int count = cupsGetDestMediaCount(d.http, d.dest, d.info, 0);
  for (int i = 0; i < count; ++i) {
    cups_size_t size{};
    if (!cupsGetDestMediaByIndex(d.http, d.dest, d.info, i, 0, &size)) continue;
    // The paper's usual name ("A4", "Letter") where it has one, else the server's wording.
    const pwg_media_t* pwg = pwgMediaForPWG(size.media);
    const char* name =
        pwg && pwg->ppd ? pwg->ppd : cupsLocalizeDestMedia(d.http, d.dest, d.info, 0, &size);
    list.push_back({name ? name : size.media, size.width, size.length, size.left, size.right,
                    size.top, size.bottom});
  }
  return list;
}

bool AcceptingJobs(const std::string& destination) {
  TDest d;
  if (!d.Open(destination.c_str())) return false;
  const char* accepting =
      cupsGetOption("printer-is-accepting-jobs", d.dest->num_options, d.dest->options);
  return !accepting || std::string(accepting) != "false";
}

void SubmitPdf(const std::string& destination, const std::string& path, const std::string& title,
               int copies) {
  auto fail = [&](const std::string& what) {
    throw EInOutError("Printer \"" + destination + "\": " + what + ": " + cupsLastErrorString());
  };
  TDest d;
  if (!d.Open(destination.c_str()) || !d.FetchInfo()) fail("cannot be reached");
  cups_option_t* options = nullptr;
  int count = cupsAddOption("copies", std::to_string(std::max(1, copies)).c_str(), 0, &options);
  int job = 0;
  const ipp_status_t created =
      cupsCreateDestJob(d.http, d.dest, d.info, &job, title.c_str(), count, options);
  cupsFreeOptions(count, options);
  if (created != IPP_STATUS_OK || job <= 0) fail("the job was refused");
  if (cupsStartDestDocument(d.http, d.dest, d.info, job, title.c_str(), CUPS_FORMAT_PDF, 0, nullptr,
                            1) != HTTP_STATUS_CONTINUE) {
    cupsCancelDestJob(d.http, d.dest, job);
    fail("the document was refused");
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  bool written = file != nullptr;
  char buffer[65536];
  while (written) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
    if (n == 0) break;
    written = cupsWriteRequestData(d.http, buffer, n) == HTTP_STATUS_CONTINUE;
  }
  if (file) std::fclose(file);
  if (cupsFinishDestDocument(d.http, d.dest, d.info) != IPP_STATUS_OK || !written) {
    if (http_t* other = Connect()) {
      cupsCancelDestJob(other, d.dest, job);
      httpClose(other);
    }
    fail("the document could not be sent");
  }
}

}  // namespace cups
