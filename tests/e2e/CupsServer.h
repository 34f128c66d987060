#pragma once

#include <string>
#include <vector>

// The private CUPS server that ctest starts for the end-to-end tests.
namespace e2e {

// The folder of the shared server (its queues capture into <dir>/capture/<queue>).
std::string ServerDir();

// Job files captured so far for a queue, by job number.
std::vector<int> CapturedJobs(const std::string& dir, const std::string& queue);
// Waits (at most `seconds`) for a job of the queue that is not in `before`, and answers its
// bytes; empty when none came.
std::string WaitForNewJob(const std::string& dir, const std::string& queue,
                          const std::vector<int>& before, int seconds = 15);
// The copies argument the backend received for a captured job.
std::string CapturedCopies(const std::string& dir, const std::string& queue, int job);

// Jobs of a queue that are not completed, cancelled or aborted.
int ActiveJobs(const std::string& queue);

// Runs the server script ("start DIR" or "stop DIR"); true on success.
bool ServerScript(const std::string& command, const std::string& dir);

// Points libcups (of this process) at the server in dir.
void UseServer(const std::string& dir);

}  // namespace e2e
