#include "line_tests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace geoplait {
namespace {

// FindText reads lines in windows of sixteen; every length around a window and every place of
// the text in it must give what a plain search gives.
TEST(FindText, AgreesWithPlainSearchAtEveryLengthAndPlace) {
  const std::vector<std::string> texts = {"<",     "<w",      "<wpt",     "<wpt ",
                                          "<trk>", "<trkpt ", "<bounds ", "<name>ACTIVE LOG"};
  // Fillers full of near misses: the first characters of the texts without the rest.
  const std::vector<std::string> fillers = {"x", "<", "<n", "<name>ACTIVE LO", "<trk"};
  for (const std::string& text : texts) {
    for (const std::string& filler : fillers) {
      for (std::size_t length = 0; length <= 48; ++length) {
        std::string base;
        while (base.size() < length) {
          base += filler;
        }
        base.resize(length);
        SCOPED_TRACE("text \"" + text + "\" in \"" + base + "\"");
        EXPECT_EQ(FindText(base, text), std::string_view(base).find(text));
        for (std::size_t at = 0; at + text.size() <= length; ++at) {
          std::string line = base;
          line.replace(at, text.size(), text);
          EXPECT_EQ(FindText(line, text), std::string_view(line).find(text)) << "at " << at;
          // Cut short by one character, it must not be found where it was.
          const std::string_view cut(line.data(), at + text.size() - 1);
          EXPECT_EQ(FindText(cut, text), cut.find(text)) << "cut at " << at;
        }
      }
    }
  }
}

TEST(FindText, EmptyTextIsFoundAtTheStart) {
  EXPECT_EQ(FindText("abc", ""), 0u);
  EXPECT_EQ(FindText("", ""), 0u);
  EXPECT_EQ(FindText("", "<wpt"), std::string_view::npos);
}

}  // namespace
}  // namespace geoplait
