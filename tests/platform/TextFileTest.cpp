#include <gtest/gtest.h>

#include <cerrno>

#include "platform/system/TextFile.h"
#include "support/TempDir.h"

TEST(TextFile, TrailingDotMeansNoExtension) {
  struct Case {
    std::string name, path;
  } cases[] = {{"Printer.", "Printer"},
               {"dir/Printer.", "dir/Printer"},
               {"report.txt", "report.txt"},
               {"a..", "a"},
               {".", "."},
               {"dir/..", "dir/.."},
               {"/tmp/x.", "/tmp/x"}};
  for (const Case& c : cases) EXPECT_EQ(TTextFile::PathFor(c.name), c.path) << c.name;
}

TEST(TextFile, ReportsIoResultsInsteadOfThrowing) {
  TempDir dir;
  TTextFile file;
  file.Assign(dir.File("missing/x.txt"));
  EXPECT_EQ(file.Rewrite(), ENOENT);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.Write("x"), EBADF);

  file.Assign(dir.Path());
  EXPECT_EQ(file.Rewrite(), EISDIR);

  file.Assign("/dev/full");
  ASSERT_EQ(file.Rewrite(), 0);
  EXPECT_EQ(file.Write("x"), 0);  // buffered
  EXPECT_EQ(file.Flush(), ENOSPC);
  EXPECT_EQ(file.Write("y"), 0);
  EXPECT_EQ(file.Close(), ENOSPC);
  EXPECT_FALSE(file.IsOpen());
}

TEST(TextFile, RewriteReplacesAnOlderFile) {
  TempDir dir;
  TTextFile file;
  file.Assign(dir.File("out."));
  ASSERT_EQ(file.Rewrite(), 0);
  file.Write(std::string(10000, 'a'));  // past the buffer: written at once
  ASSERT_EQ(file.Close(), 0);
  ASSERT_EQ(file.Rewrite(), 0);
  file.Write("new");
  ASSERT_EQ(file.Close(), 0);
  EXPECT_EQ(ReadFileBytes(dir.File("out")), "new");
}
