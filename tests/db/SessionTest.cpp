#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/db/DBError.h"
#include "platform/db/Session.h"
#include "support/TempDir.h"

namespace {

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    previous = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  }
  ~SessionTest() override {
    if (previous.empty())
      ::unsetenv("XDG_CONFIG_HOME");
    else
      ::setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
  }
  void WriteConfig(const std::string& text) {
    std::filesystem::create_directories(config.Path() + "/qorprint");
    std::ofstream(TSession::PersistentConfigPath()) << text;
  }
  TempDir config;
  std::string previous;
};

TEST_F(SessionTest, AliasesOfEveryScopeTheModeSees) {
  WriteConfig("# aliases\n[Stored]\nPATH=/data/stored/\nDEFAULT DRIVER=PARADOX\n");
  TSession session;
  EXPECT_TRUE(session.IsAlias("stored"));
  EXPECT_EQ(session.FindAlias("STORED")->Path, "/data/stored/");
  session.ConfigMode = cmSession;
  EXPECT_FALSE(session.IsAlias("Stored"));
  session.AddStandardAlias("Mine", "/data/mine/", "PARADOX");
  session.ConfigMode = cmAll;
  EXPECT_TRUE(session.IsAlias("MINE"));
  EXPECT_EQ(session.FindAlias("mine")->DefaultDriver, "PARADOX");
  EXPECT_THROW(session.AddStandardAlias("mine", "/elsewhere/", "PARADOX"), EDatabaseError);
  EXPECT_THROW(session.AddStandardAlias("", "/x/", "PARADOX"), EDatabaseError);
  EXPECT_EQ(&session.OpenDatabase("Mine"), &session.OpenDatabase("MINE"));
  EXPECT_THROW(session.OpenDatabase("Unknown"), EDatabaseError);
}

TEST_F(SessionTest, SessionAliasesDieWithTheProcessAndTheConfigurationIsNeverWritten) {
  const pid_t child = fork();
  if (child == 0) {
    TSession session;
    session.ConfigMode = cmSession;
    session.AddStandardAlias("Passing", "/tmp/", "PARADOX");
    session.ConfigMode = cmAll;
    session.AddStandardAlias("AlsoPassing", "/tmp/", "PARADOX");
    _exit(session.IsAlias("Passing") ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  TSession later;
  EXPECT_FALSE(later.IsAlias("Passing"));
  EXPECT_FALSE(std::filesystem::exists(TSession::PersistentConfigPath()));
}

}  // namespace
