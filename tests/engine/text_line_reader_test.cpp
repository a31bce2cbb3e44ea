#include "text_line_reader.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <vector>

namespace geoplait {
namespace {

using geoplait::testing::TempDir;

struct Piece {
  std::string text;
  bool ends_line;
  bool operator==(const Piece&) const = default;
};

void PrintTo(const Piece& piece, std::ostream* os) {
  *os << "{" << piece.text.size() << " chars \"" << piece.text.substr(0, 40) << "\", "
      << (piece.ends_line ? "ends" : "goes on") << "}";
}

std::vector<Piece> ReadAll(const std::string& bytes) {
  TempDir dir;
  const std::string path = dir.Write("input", bytes);
  TextLineReader reader(open(path.c_str(), O_RDONLY));
  std::vector<Piece> pieces;
  while (reader.ReadLine()) {
    pieces.push_back({std::string(reader.Line()), reader.EndsPhysicalLine()});
  }
  EXPECT_EQ(reader.Error(), 0);
  EXPECT_TRUE(reader.Line().empty()) << "a failed read delivers an empty line";
  EXPECT_FALSE(reader.ReadLine()) << "every read after the end fails too";
  return pieces;
}

struct ReadCase {
  const char* name;
  std::string bytes;
  std::vector<Piece> pieces;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << c.name;
}

std::string Chars(std::size_t n, char c = 'x') {
  return std::string(n, c);
}

class TextLineReaderTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TextLineReaderTest, DeliversPieces) {
  EXPECT_EQ(ReadAll(GetParam().bytes), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextLineReaderTest,
    ::testing::Values(
        ReadCase{"Empty", "", {}}, ReadCase{"LfEnds", "a\nbc\n", {{"a", true}, {"bc", true}}},
        ReadCase{"CrLfEnds", "a\r\nbc\r\n", {{"a", true}, {"bc", true}}},
        ReadCase{"LastLineWithoutLineFeed", "a\nlast", {{"a", true}, {"last", true}}},
        ReadCase{"EmptyLines", "\n\n", {{"", true}, {"", true}}},
        ReadCase{"CrInsideLineIsDropped", "a\rb\r\r\nc", {{"ab", true}, {"c", true}}},
        ReadCase{"CrOnlyEndsMakeOneLine", "one\rtwo\rthree\r", {{"onetwothree", true}}},
        ReadCase{"CtrlZEndsInput",
                 "a\nb\x1a"
                 "c\nd\n",
                 {{"a", true}, {"b", true}}},
        ReadCase{"CtrlZFirst",
                 "\x1a"
                 "a\n",
                 {}},
        ReadCase{"CtrlZAtLineStart", "a\n\x1a\n", {{"a", true}}},
        ReadCase{"NulCutsWhatIsSeen", std::string("ab\0cd\nx", 7), {{"ab", true}, {"x", true}}},
        ReadCase{"Line5118", Chars(5118) + "\n", {{Chars(5118), true}}},
        ReadCase{"Line5119IsFollowedByEmptyLine",
                 Chars(5119) + "\nz\n",
                 {{Chars(5119), false}, {"", true}, {"z", true}}},
        ReadCase{"Line5119CrLf", Chars(5119) + "\r\n", {{Chars(5119), false}, {"", true}}},
        ReadCase{"Line5119AtEndOfInput", Chars(5119), {{Chars(5119), true}}},
        ReadCase{"Line5119BeforeCtrlZ", Chars(5119) + "\r\x1a\n", {{Chars(5119), true}}},
        ReadCase{"Line12000",
                 Chars(12000) + "\n",
                 {{Chars(5119), false}, {Chars(5119), false}, {Chars(1762), true}}},
        ReadCase{"CrsAreNotCounted",
                 Chars(5000) + std::string(300, '\r') + Chars(200, 'y') + "\n",
                 {{Chars(5000) + Chars(119, 'y'), false}, {Chars(81, 'y'), true}}},
        ReadCase{
            "CrOnlyLongInput",
            [] {
              std::string s;
              for (int i = 0; i < 1100; ++i)
                s += "abcdefghi\r";
              return s;
            }(),
            [] {
              std::string all;
              for (int i = 0; i < 1100; ++i)
                all += "abcdefghi";
              return std::vector<Piece>{{all.substr(0, 5119), false}, {all.substr(5119), true}};
            }()}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// Lines that cross the reader's blocks must come out the same as any other.
TEST(TextLineReaderBlocks, LinesAcrossBlockBoundariesAreWhole) {
  std::string bytes;
  std::vector<Piece> expected;
  for (int i = 0; bytes.size() < 3 * TextLineReader::kBlockSize; ++i) {
    std::string line = "<trkpt lat=\"" + std::to_string(i) + "\" lon=\"7.5\">";
    line.append(static_cast<std::size_t>(i % 97), 'p');
    bytes += line + (i % 3 == 0 ? "\r\n" : "\n");
    expected.push_back({line, true});
  }
  EXPECT_EQ(ReadAll(bytes), expected);
}

TEST(TextLineReaderRewind, GoesBackWhileTheFirstBlockIsTheOnlyOneRead) {
  TempDir dir;
  const std::string small = dir.Write("small", "a\r\nb\nc");
  TextLineReader reader(open(small.c_str(), O_RDONLY));
  while (reader.ReadLine()) {
  }
  ASSERT_TRUE(reader.RewindToStart());
  std::vector<std::string> again;
  while (reader.ReadLine()) {
    again.emplace_back(reader.Line());
  }
  EXPECT_EQ(again, (std::vector<std::string>{"a", "b", "c"}));

  // Past the first block there is nothing to go back to; reading goes on unharmed.
  const std::string large =
      dir.Write("large", std::string(TextLineReader::kBlockSize, 'x') + "\nend\n");
  TextLineReader long_reader(open(large.c_str(), O_RDONLY));
  int pieces = 0;
  while (long_reader.ReadLine() && long_reader.Line() != "end") {
    ++pieces;
  }
  EXPECT_FALSE(long_reader.RewindToStart());
  EXPECT_EQ(long_reader.Line(), "end");
  EXPECT_GT(pieces, 25);
}

TEST(TextLineReaderErrors, ReadErrorIsReportedAndEndsTheInput) {
  TempDir dir;
  // A directory opens for reading on Linux; reading it fails with EISDIR.
  TextLineReader reader(open(dir.path().c_str(), O_RDONLY | O_DIRECTORY));
  EXPECT_FALSE(reader.ReadLine());
  EXPECT_EQ(reader.Error(), EISDIR);
  EXPECT_FALSE(reader.ReadLine());
}

}  // namespace
}  // namespace geoplait
