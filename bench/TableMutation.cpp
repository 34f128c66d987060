// Damages a small valid table file in many random ways and opens and walks each damaged copy:
// every case must end in a database error or a clean walk, never a crash or a hang.
//   TableMutation BASE_FOLDER COUNT SEED
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "platform/db/Table.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Opens and walks the table in a child process, so that a crash or a hang is seen and told.
int Probe(const std::string& folder) {
  const pid_t child = fork();
  if (child == 0) {
    alarm(10);  // a hang ends with SIGALRM
    try {
      TTable table;
      table.DatabaseName = folder;
      table.TableName = "People.DB";
      table.Open();
      for (; !table.Eof(); table.Next())
        for (int i = 0; i < table.FieldCount(); ++i) table.Fields(i)->DisplayText();
      _exit(0);
    } catch (const EDatabaseError&) {
      _exit(1);
    }
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s BASE_FOLDER COUNT SEED\n", argv[0]);
    return 2;
  }
  const std::string base = argv[1];
  const long count = std::atol(argv[2]);
  std::mt19937 random(static_cast<unsigned>(std::atol(argv[3])));
  const std::string original = ReadAll(base + "/People.DB");
  const std::string folder = base + "/mutant";
  std::filesystem::create_directories(folder);
  long clean = 0, errors = 0, failures = 0;
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < count; ++i) {
    std::string bytes = original;
    switch (random() % 4) {
      case 0:  // a few bytes anywhere
        for (int n = 1 + random() % 8; n > 0; --n) bytes[random() % bytes.size()] = random();
        break;
      case 1:  // the header
        bytes[random() % 100] = random();
        break;
      case 2:  // cut short
        bytes.resize(random() % bytes.size());
        break;
      default:  // a run of one byte over a page
        std::fill_n(bytes.begin() + random() % (bytes.size() - 64), 1 + random() % 64,
                    static_cast<char>(random()));
    }
    std::ofstream(folder + "/People.DB", std::ios::binary | std::ios::trunc) << bytes;
    std::filesystem::remove(folder + "/People.DB-journal");
    const int status = Probe(folder);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
      ++clean;
    } else if (WIFEXITED(status) && WEXITSTATUS(status) == 1) {
      ++errors;
    } else {
      ++failures;
      std::printf("mutation %ld: %s %d\n", i, WIFSIGNALED(status) ? "signal" : "exit",
                  WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
      std::ofstream(base + "/failure-" + std::to_string(i) + ".DB", std::ios::binary) << bytes;
    }
  }
  std::printf(
      "%ld mutations in %.1f s: %ld walked cleanly, %ld database errors, %ld crashes or hangs\n",
      count, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), clean,
      errors, failures);
  return failures == 0 ? 0 : 1;
}
