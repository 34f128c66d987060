#include "e2e/CupsServer.h"

#include <cups/cups.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "support/TempDir.h"

namespace e2e {

std::string ServerDir() {
  return QOR_CUPS_DIR;
}

std::vector<int> CapturedJobs(const std::string& dir, const std::string& queue) {
  std::vector<int> jobs;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir + "/capture/" + queue, error))
    if (entry.path().extension() == ".bin") jobs.push_back(std::stoi(entry.path().stem().string()));
  std::sort(jobs.begin(), jobs.end());
  return jobs;
}

std::string WaitForNewJob(const std::string& dir, const std::string& queue,
                          const std::vector<int>& before, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < deadline) {
    for (int job : CapturedJobs(dir, queue))  // in job order: the first new one
      if (std::find(before.begin(), before.end(), job) == before.end())
        return ReadFileBytes(dir + "/capture/" + queue + "/" + std::to_string(job) + ".bin");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return {};
}

std::string CapturedCopies(const std::string& dir, const std::string& queue, int job) {
  std::string copies =
      ReadFileBytes(dir + "/capture/" + queue + "/" + std::to_string(job) + ".copies");
  while (!copies.empty() && copies.back() == '\n') copies.pop_back();
  return copies;
}

int ActiveJobs(const std::string& queue) {
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ACTIVE);
  cupsFreeJobs(count, jobs);
  return count;
}

bool ServerScript(const std::string& command, const std::string& dir) {
  const std::string line = std::string(QOR_CUPS_SCRIPT) + " " + command + " '" + dir + "'";
  return std::system(line.c_str()) == 0;
}

void UseServer(const std::string& dir) {
  const std::string socket = dir + "/cups.sock";
  ::setenv("CUPS_SERVER", socket.c_str(), 1);
  cupsSetServer(socket.c_str());
}

}  // namespace e2e
