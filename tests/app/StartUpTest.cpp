// Start-up of the demo program: the data alias and what happens when it cannot be made.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/Print.h"
#include "app/fPrint.h"
#include "platform/db/DBError.h"
#include "platform/db/Session.h"
#include "platform/forms/Application.h"
#include "support/TempDir.h"

namespace {

// A fresh session for each test, with the persistent configuration in a folder of the test's.
class StartUpTest : public ::testing::Test {
 protected:
  StartUpTest() {
    ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    previous = SetSession(std::make_unique<TSession>());
  }
  ~StartUpTest() override { SetSession(std::move(previous)); }
  void WriteConfig(const std::string& text) {
    std::filesystem::create_directories(config.Path() + "/qorprint");
    std::ofstream(TSession::PersistentConfigPath()) << text;
  }
  TempDir config;
  std::unique_ptr<TSession> previous;
};

std::string Output(const std::string& command) {
  std::string output;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    ::pclose(pipe);
  }
  return output;
}

TEST_F(StartUpTest, WithoutAnAliasItIsAddedOnTheProgramFolderForThisSessionOnly) {
  EnsureExampleAlias();
  const std::optional<TAlias> alias = Session().FindAlias("QorExample");
  ASSERT_TRUE(alias);
  EXPECT_EQ(alias->Path, QCoreApplication::applicationDirPath().toStdString() + "/");
  EXPECT_EQ(alias->DefaultDriver, "PARADOX");
  EXPECT_EQ(Session().ConfigMode, cmAll);
  EXPECT_FALSE(std::filesystem::exists(TSession::PersistentConfigPath()));
  Session().ConfigMode = cmPersistent;
  EXPECT_FALSE(Session().IsAlias("QorExample"));  // only in the session scope
}

TEST_F(StartUpTest, AStoredAliasIsUsedUnchanged) {
  WriteConfig("[QorExample]\nPATH=/srv/people/\nDEFAULT DRIVER=PARADOX\n");
  Session().ConfigMode = cmPersistent | cmSession;
  EnsureExampleAlias();
  EXPECT_EQ(Session().FindAlias("QorExample")->Path, "/srv/people/");
  EXPECT_EQ(Session().ConfigMode, cmPersistent | cmSession);  // not touched
}

class RefusingSession : public TSession {
 public:
  void AddStandardAlias(const std::string& name, const std::string&, const std::string&) override {
    throw EDatabaseError("Cannot add alias " + name);
  }
};

TEST_F(StartUpTest, AnAliasThatCannotBeAddedEndsTheProgramBeforeAnyWindow) {
  SetSession(std::make_unique<RefusingSession>());
  EXPECT_THROW(EnsureExampleAlias(), EDatabaseError);
  EXPECT_EQ(Session().ConfigMode, cmAll);

  // The whole program, in a child process: it reports and ends with a non-zero status.
  EXPECT_EXIT(
      {
        std::string shown;
        Application().OnException = [&](const std::exception& error) { shown = error.what(); };
        const int status = RunProgram();
        _exit(status == 1 && shown == "Cannot add alias QorExample" && Form1 == nullptr ? 7 : 0);
      },
      ::testing::ExitedWithCode(7), "Cannot add alias QorExample");
}

TEST(ProgramFolder, IsThatOfTheProgramFileHoweverItIsStarted) {
  const std::filesystem::path probe = std::filesystem::canonical(FOLDER_PROBE);
  const std::string expected = probe.parent_path().string() + "/\n";
  TempDir elsewhere;
  const std::string link = elsewhere.File("linked-probe");
  std::filesystem::create_symlink(probe, link);
  const std::string relative = std::filesystem::relative(probe, elsewhere.Path()).string();
  EXPECT_EQ(Output(probe.string()), expected);
  EXPECT_EQ(Output("cd '" + elsewhere.Path() + "' && ./" + relative), expected);
  EXPECT_EQ(Output("cd / && '" + link + "'"), expected);
}

}  // namespace
