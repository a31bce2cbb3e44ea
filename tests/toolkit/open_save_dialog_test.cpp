#include "open_save_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace geoplait::toolkit {
namespace {

using Names = std::vector<std::string>;

TEST(StoreChosenFiles, GivesOnePathWholeAndSeveralAsTheirFolderAndTheRest) {
  struct Case {
    Names paths;
    std::string file_name;
    Names file_titles;
  };
  const Case cases[] = {
      {{"/home/u/a.gpx"}, "/home/u/a.gpx", {}},
      {{"/home/u/a.gpx", "/home/u/b.gpx"}, "/home/u", {"a.gpx", "b.gpx"}},
      {{"/a.gpx", "/b.gpx"}, "/", {"a.gpx", "b.gpx"}},
      // Typed names can reach into other folders; the common one holds them all.
      {{"/home/u/x/a.gpx", "/home/u/y/b.gpx"}, "/home/u", {"x/a.gpx", "y/b.gpx"}},
      {{"/home/ux/a.gpx", "/home/u/b.gpx"}, "/home", {"ux/a.gpx", "u/b.gpx"}},
      {{"/x/a.gpx", "/y/b.gpx"}, "/", {"x/a.gpx", "y/b.gpx"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.paths.front());
    TOpenSaveDialog::TData data;
    StoreChosenFiles(data, c.paths);
    EXPECT_EQ(data.FileName, c.file_name);
    EXPECT_EQ(data.FileTitles, c.file_titles);
  }
}

TEST(OpenSaveData, ReadsTheFilterAsPairsOfShownTextAndPattern) {
  const TOpenSaveDialog::TData gpx(kOfnHideReadOnly, "*.gpx|*.gpx|", {}, "gpx");
  EXPECT_EQ(gpx.Filter, (std::vector<std::pair<std::string, std::string>>{{"*.gpx", "*.gpx"}}));
  EXPECT_TRUE(gpx.FileName.empty());

  const TOpenSaveDialog::TData two(0, "GPX files|*.gpx|All files|*");
  EXPECT_EQ(two.Filter, (std::vector<std::pair<std::string, std::string>>{{"GPX files", "*.gpx"},
                                                                          {"All files", "*"}}));
}

}  // namespace
}  // namespace geoplait::toolkit
