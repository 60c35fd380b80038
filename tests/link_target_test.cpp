#include "files/link_target.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(LinkTarget, FollowsRelativeChainsFromEachLinksOwnFolderAndGivesUpOnALoop) {
  TempFolder folder;
  fs::create_directories(folder.Path() / "a" / "b");
  // plan.ini -> a/first.ini -> b/plan.ini (relative to a/), which does not exist yet.
  fs::create_symlink("a/first.ini", folder.Path() / "plan.ini");
  fs::create_symlink("b/plan.ini", folder.Path() / "a" / "first.ini");
  EXPECT_EQ(ResolveLinks(folder.Path() / "plan.ini"), folder.Path() / "a" / "b" / "plan.ini");
  EXPECT_EQ(ResolveLinks(folder.Path() / "a"), folder.Path() / "a");

  fs::create_symlink("loop2.ini", folder.Path() / "loop1.ini");
  fs::create_symlink("loop1.ini", folder.Path() / "loop2.ini");
  EXPECT_EQ(ResolveLinks(folder.Path() / "loop1.ini"), std::nullopt);
}

}  // namespace
