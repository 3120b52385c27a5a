#include "storage/table_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "storage/line_buffer.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
// What the user is told of a load or save: (shown as an error report?, text).
using Said = std::vector<std::pair<bool, std::string>>;

std::vector<std::string> Lines(const LineBuffer& buffer) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(buffer.Count()));
  for (int i = 0; i < buffer.Count(); ++i) lines.emplace_back(buffer.Line(i));
  return lines;
}

TEST(LineBufferTest, SplitsAtEveryKindOfLineEndAndStopsAtNul) {
  const struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\n", {"a", ""}},
      {"\n\r", {"", ""}},
      {"\r\r\n", {"", ""}},
      {"", {}},
      {std::string("a\nb\0c\nd\n", 8), {"a", "b"}},
  };
  for (const auto& c : cases) {
    LineBuffer buffer;
    buffer.SetText(c.text);
    EXPECT_EQ(Lines(buffer), c.lines) << ::testing::PrintToString(c.text);
    EXPECT_EQ(buffer.Line(buffer.Count()), "");
  }
}

TEST(CountOccurrencesTest, CountsAsIfEachFoundSeparatorWereCutOut) {
  EXPECT_EQ(CountOccurrences(" a # b #", "#"), 2);
  EXPECT_EQ(CountOccurrences("", "#"), 0);
  EXPECT_EQ(CountOccurrences("abc", ""), 0);
  EXPECT_EQ(CountOccurrences("aabb", "ab"), 2);  // cutting "ab" out joins a new "ab"
  EXPECT_EQ(CountOccurrences("aaa", "aa"), 1);
  EXPECT_EQ(CountOccurrences("AB ab", "ab"), 1);
}

class GridResets final : public GridObserver {
 public:
  void GridCellChanged(int, int) override { ++cells; }
  void GridReset() override { ++resets; }
  int cells = 0;
  int resets = 0;
};

class TableFileTest : public ::testing::Test {
 protected:
  TableFileTest() : dir_(fs::temp_directory_path() / ("table_file_test_" + Suffix())) {
    fs::create_directories(dir_);
    grid_.SetCell(0, 0, "ID");
    grid_.SetCell(0, 1, "1");
    grid_.SetCell(0, 2, "2");
  }
  ~TableFileTest() override { fs::remove_all(dir_); }

  static std::string Suffix() { return std::to_string(std::random_device()()); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
    return PathOf(name);
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::vector<std::string> Row(int row) const {
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(grid_.ColCount()));
    for (int col = 0; col < grid_.ColCount(); ++col) cells.push_back(grid_.Cell(col, row));
    return cells;
  }
  // Keeps every result worth a word, as (error report?, text).
  void Load(const std::string& path) { Keep(LoadTableFile(grid_, path)); }
  void Save(const std::string& path) { Keep(SaveTableFile(grid_, path)); }
  // Saves with the file size limited to 1000 bytes, so that a long table fails half-way.
  void SaveUnderSizeLimit(const std::string& path) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Save(path);
    setrlimit(RLIMIT_FSIZE, &saved);
  }
  void Keep(const TableFileResult& result) {
    if (!result.text.empty()) said_.emplace_back(result.IsErrorReport(), result.text);
  }

  fs::path dir_;
  StringGrid grid_{5, 3};
  Said said_;
};

TEST_F(TableFileTest, WritesTrimmedCellsWithoutTheIdColumnByteForByte) {
  grid_.SetRowCount(2);
  const char* cells[2][5] = {{"ID", "P1", "P2", "DNA", "Survival"},
                             {"1", " 0", "0\t", "4821937465012", "\x01 0 \r\n"}};
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 5; ++col) grid_.SetCell(col, row, cells[row][col]);
  }
  Save(PathOf("example.str"));
  EXPECT_EQ(Read(PathOf("example.str")),
            " P1 # P2 # DNA # Survival #\r\n 0 # 0 # 4821937465012 # 0 #\r\n");
  EXPECT_TRUE(said_.empty());
}

TEST_F(TableFileTest, EveryByteOfAWrittenFileSurvivesALoadAndASave) {
  std::string high;
  for (int byte = 33; byte < 256; ++byte) {
    if (byte != '#') high += static_cast<char>(byte);
  }
  const std::string bytes = " P1 # P2 # DNA # Survival #\r\n " + high + " #  # 7 # \xE9t\xE9 #\r\n";
  Load(Write("in.str", bytes));
  EXPECT_EQ(grid_.Cell(1, 1), high);
  EXPECT_EQ(grid_.Cell(4, 1), "\xE9t\xE9");
  Save(PathOf("out.str"));
  EXPECT_EQ(Read(PathOf("out.str")), bytes);
}

TEST_F(TableFileTest, LfAndCrLineEndsLoadLikeCrLfInOneReset) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    GridResets resets;
    grid_.AddObserver(&resets);
    std::string bytes = " P1 # P2 #";
    for (const char* line : {" 0 # 0 #", "", " x #", ""}) (bytes += end) += line;
    Load(Write("ends.str", bytes));
    grid_.RemoveObserver(&resets);
    EXPECT_EQ(grid_.ColCount(), 3);
    ASSERT_EQ(grid_.RowCount(), 4) << "line end " << ::testing::PrintToString(std::string(end));
    EXPECT_EQ(Row(0), (std::vector<std::string>{"ID", "P1", "P2"}));
    EXPECT_EQ(Row(1), (std::vector<std::string>{"1", "0", "0"}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"2", "", ""}));
    EXPECT_EQ(Row(3), (std::vector<std::string>{"", "x", ""}));
    EXPECT_EQ(resets.resets, 1);
    EXPECT_EQ(resets.cells, 0);
  }
}

TEST_F(TableFileTest, FieldsFollowTheSeparatorOfTheFirstLine) {
  Load(Write("fields.str",
             " a ; b ;\r\n"
             " 1 ;\r\n"              // short: the missing field is empty
             " 1 ; 2 ; 3 ; 4 ;\r\n"  // long: extra fields ignored
             "x;y;\r\n"              // no space after a separator: one character lost
             " # ;\t\x02 ok \x1F;\r\n"));
  EXPECT_EQ(grid_.ColCount(), 3);
  EXPECT_EQ(Row(1), (std::vector<std::string>{"1", "1", ""}));
  EXPECT_EQ(Row(2), (std::vector<std::string>{"2", "1", "2"}));
  EXPECT_EQ(Row(3), (std::vector<std::string>{"", "x", ""}));
  EXPECT_EQ(Row(4), (std::vector<std::string>{"", "#", "ok"}));
}

TEST_F(TableFileTest, ASeparatorInsideACellShiftsTheRowWhenReadBack) {
  grid_.SetColCount(4);
  grid_.SetCell(1, 1, "a#b");
  grid_.SetCell(2, 1, "c");
  grid_.SetCell(3, 1, "d");
  Save(PathOf("shift.str"));
  Load(PathOf("shift.str"));
  EXPECT_EQ(Row(1), (std::vector<std::string>{"1", "a", "", "c"}));
}

TEST_F(TableFileTest, OnlyTheFirst4096BytesOfALineAreRead) {
  // The 4096th byte of the first line is its separator; the rest of the line is lost.
  const std::string first = " T " + std::string(4092, 'Q') + "!" + std::string(10, '#');
  Load(Write("long.str", first + "\r\n v ! w !\r\n"));
  EXPECT_EQ(grid_.ColCount(), 2);
  EXPECT_EQ(grid_.Cell(1, 0), "T " + std::string(4092, 'Q'));
  EXPECT_EQ(grid_.Cell(1, 1), "v");
}

TEST_F(TableFileTest, MoreRowsShowTheIdTextTheGridKeptOutsideIt) {
  grid_.SetCell(0, 4, "4");  // left behind by an earlier, larger table
  Load(Write("rows.str", " P #\r\n 1 #\r\n 2 #\r\n 3 #\r\n x #\r\n y #\r\n"));
  ASSERT_EQ(grid_.RowCount(), 6);
  EXPECT_EQ(grid_.Cell(0, 4), "4");
  EXPECT_EQ(grid_.Cell(1, 4), "x");
  EXPECT_EQ(grid_.Cell(0, 5), "");
}

TEST_F(TableFileTest, FilesThatCannotFillTheGridLeaveItAsItWas) {
  grid_.SetCell(3, 2, "keep");
  for (const char* bytes : {"", "\r\n a #\r\n b #\r\n", " title only #\r\n"}) {
    Load(Write("odd.str", bytes));
    EXPECT_EQ(grid_.ColCount(), 5);
    EXPECT_EQ(grid_.RowCount(), 3);
    EXPECT_EQ(grid_.Cell(3, 2), "keep");
  }
  // Only the file of the title row alone is worth a word.
  const std::string path = PathOf("odd.str");
  EXPECT_EQ(said_, (Said{{false, "File " + path + " holds no rows below the title row."}}));
}

TEST_F(TableFileTest, TheTableAsTextIsTheBytesASaveWrites) {
  // A cell longer than a line read keeps all of its bytes in both.
  grid_.SetCell(1, 1, std::string(5000, 'Q'));
  grid_.SetCell(4, 2, " \x01 7 ");
  Save(PathOf("saved.str"));
  EXPECT_EQ(TableFileText(grid_), Read(PathOf("saved.str")));
}

TEST_F(TableFileTest, BytesLoadAsTheSameBytesInAFileWouldAndNameTheFileInTheirWord) {
  const std::string table = " P1 # P2 # DNA # Survival #\n 0 # 0 # 4821937465012 # 3 #\r";
  EXPECT_TRUE(LoadTableText(grid_, table, "mine.str").ok());
  const std::vector<std::string> from_text = Row(1);
  Load(Write("mine.str", table));
  EXPECT_EQ(Row(1), from_text);
  EXPECT_EQ(from_text, (std::vector<std::string>{"1", "0", "0", "4821937465012", "3"}));

  grid_.SetCell(3, 1, "keep");
  EXPECT_EQ(LoadTableText(grid_, "", "empty.str").status, TableFileResult::Status::kNothingLoaded);
  const TableFileResult title_only = LoadTableText(grid_, " P1 #\r\n", "title.str");
  EXPECT_EQ(title_only.status, TableFileResult::Status::kNoBodyRows);
  EXPECT_EQ(title_only.text, "File title.str holds no rows below the title row.");
  EXPECT_EQ(grid_.Cell(3, 1), "keep");
}

// Files that are plainly no table, or whose table would be beyond what the program holds,
// are refused with a word that names the file, and the grid stays as it was.
TEST_F(TableFileTest, ForeignOrOversizedFilesAreRefusedAndLeaveTheGridAsItWas) {
  using Status = TableFileResult::Status;
  const std::string wide_title = " a" + std::string(kMaxTableColumns, '#');
  std::string tall = " a # b #";
  for (int i = 0; i < kMaxTableCells / 3 + 1; ++i) tall += "\n";
  const struct {
    std::string bytes;
    Status status;
    std::string text;
  } cases[] = {
      {std::string("PK\x03\x04\x14\0\0\0", 8) + "xl/workbook.xml", Status::kSpreadsheet,
       "File f.str is a spreadsheet or another packed file, not a table file. Open reads the "
       "table files that Save writes."},
      {std::string(" a # b #\r\n x \0 y #\r\n", 20), Status::kBinary,
       "File f.str holds binary data, not text: it is not a table file."},
      {wide_title + "\n x #\n", Status::kTooLarge,
       "File f.str makes a table of 257 columns; a table can have at most 256."},
      {tall, Status::kTooLarge,
       "File f.str makes a table of 2,666,667 rows and 3 columns, more than the program can "
       "hold (at most 8,000,000 cells)."},
  };
  for (const auto& c : cases) {
    grid_.SetCell(3, 1, "keep");
    const TableFileResult result = LoadTableText(grid_, c.bytes, "f.str");
    EXPECT_EQ(result.status, c.status) << c.text;
    EXPECT_EQ(result.text, c.text);
    EXPECT_FALSE(result.IsErrorReport());
    EXPECT_EQ(grid_.ColCount(), 5);
    EXPECT_EQ(grid_.RowCount(), 3);
    EXPECT_EQ(grid_.Cell(3, 1), "keep");
  }
  // The same bytes from a disk are judged the same way.
  Load(Write("zip.str", cases[0].bytes));
  ASSERT_EQ(said_.size(), 1U);
  EXPECT_EQ(said_[0].second, "File " + PathOf("zip.str") +
                                 " is a spreadsheet or another packed file, not a table file. "
                                 "Open reads the table files that Save writes.");

  // The largest table allowed still loads, and a good load names its file and organisms.
  const TableFileResult widest = LoadTableText(
      grid_, " a" + std::string(kMaxTableColumns - 1, '#') + "\n x #\n y #\n", "wide.str");
  EXPECT_TRUE(widest.ok());
  EXPECT_EQ(widest.status_line, "Opened wide.str. Organisms: 2");
  EXPECT_EQ(grid_.ColCount(), kMaxTableColumns);
}

// A file of a few bytes may describe a huge table: one line of separators and many empty
// lines. The grid stores what the file holds, not rows times columns.
TEST_F(TableFileTest, AWideTableOfEmptyLinesCostsWhatTheFileHolds) {
  std::string bytes = "a" + std::string(kMaxTableColumns - 1, '#');
  for (int i = 0; i < 20000; ++i) bytes += "\n";
  grid_.SetCell(9, 2, "hidden");  // a cell beyond the columns keeps its text
  ASSERT_TRUE(LoadTableText(grid_, bytes, "wide.str").ok());
  EXPECT_EQ(grid_.ColCount(), kMaxTableColumns);
  EXPECT_EQ(grid_.RowCount(), 20000);  // the last line end starts no further line
  EXPECT_EQ(grid_.Cell(1, 0), "a");
  EXPECT_EQ(grid_.Cell(200, 19000), "");
  EXPECT_EQ(grid_.Cell(9, 2), "");  // inside the new width: the load emptied it
  EXPECT_LT(grid_.MemoryBytes(), 64 * bytes.size());

  // Emptied cells give their room back: a narrow file over the wide one.
  ASSERT_TRUE(LoadTableText(grid_, " P1 #\n x #\n", "narrow.str").ok());
  EXPECT_EQ(grid_.StoredWidth(1), 2);
  EXPECT_EQ(grid_.Cell(1, 1), "x");
}

TEST_F(TableFileTest, ANameThatIsNoFileOrCannotBeReadIsReported) {
  const std::string missing = PathOf("missing.str");
  // Exists as a regular file but refuses to be read, for root too.
  const std::string unreadable = "/proc/self/clear_refs";
  if (!fs::is_regular_file(unreadable)) GTEST_SKIP() << unreadable << " is not available";
  Load(missing);
  Load(dir_.string());
  Load(unreadable);
  EXPECT_EQ(said_, (Said{{false, "Cannot open file " + missing + "."},
                         {false, "Cannot open file " + dir_.string() + "."},
                         {true, "Cannot open file " + unreadable}}));
  EXPECT_EQ(grid_.RowCount(), 3);
}

TEST_F(TableFileTest, AFailedSaveLeavesTheOldFileAsItWas) {
  const std::string blocker = Write("blocker", "not a folder");
  const std::string under_file = blocker + "/table.str";
  Save(under_file);
  Save(dir_.string());
  const std::string fifo = PathOf("fifo");  // not a file to replace
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  Save(fifo);

  // A write that fails half-way: the file size limit stops it after a few bytes.
  const std::string old = Write("old.str", "old bytes");
  grid_.SetRowCount(5000);
  SaveUnderSizeLimit(old);

  EXPECT_EQ(said_, (Said{{true, "Cannot create file " + under_file},
                         {true, "Cannot create file " + dir_.string()},
                         {true, "Cannot create file " + fifo},
                         {true, "Stream write error"}}));
  EXPECT_EQ(Read(blocker), "not a folder");
  EXPECT_TRUE(fs::is_directory(dir_));
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(Read(old), "old bytes");
  // No half-written file is left behind either.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);
}

TEST_F(TableFileTest, ReplacingAFileKeepsItsPermissionsAndLinks) {
  const std::string real = Write("real.str", "old");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(real, dir_ / "link.str");
  Save(PathOf("link.str"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.str"));
  EXPECT_EQ(Read(real), "  #  #  #  #\r\n  #  #  #  #\r\n  #  #  #  #\r\n");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_TRUE(said_.empty());
}

// Makes a folder in which no new file can be created while the files in it stay writable
// (the immutable attribute holds for root too); undone when it goes.
class ImmutableFolder {
 public:
  explicit ImmutableFolder(const fs::path& dir) : dir_(dir) {
    const std::string command = "chattr +i '" + dir_.string() + "' 2>/dev/null";
    active_ = std::system(command.c_str()) == 0;
  }
  ~ImmutableFolder() {
    if (active_) std::system(("chattr -i '" + dir_.string() + "'").c_str());
  }
  bool active() const { return active_; }

 private:
  fs::path dir_;
  bool active_ = false;
};

TEST_F(TableFileTest, SavesIntoAWritableFileInAFolderWhereNothingNewCanBeMade) {
  const fs::path sub = dir_ / "locked";
  fs::create_directories(sub);
  const std::string path = (sub / "table.str").string();
  std::ofstream(path, std::ios::binary) << "a much longer old table than the new one\r\n";
  ImmutableFolder locked(sub);
  if (!locked.active()) GTEST_SKIP() << "chattr +i is not supported here";

  Save(path);
  EXPECT_TRUE(said_.empty());
  EXPECT_EQ(Read(path), "  #  #  #  #\r\n  #  #  #  #\r\n  #  #  #  #\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(sub), fs::directory_iterator()), 1);

  // A write that fails there puts the old bytes back before it says so.
  const std::string before = Read(path);
  grid_.SetRowCount(5000);
  SaveUnderSizeLimit(path);
  EXPECT_EQ(said_, (Said{{true, "Stream write error"}}));
  EXPECT_EQ(Read(path), before);
}

TEST_F(TableFileTest, AHardLinkedTargetIsWrittenInPlaceAndKeepsItsLink) {
  const std::string path = Write("linked.str", "old");
  const fs::path other = dir_ / "other-name.str";
  fs::create_hard_link(path, other);
  Save(path);
  EXPECT_TRUE(said_.empty());
  EXPECT_EQ(fs::hard_link_count(path), 2u);
  EXPECT_EQ(Read(other.string()), Read(path));
  EXPECT_EQ(Read(path), "  #  #  #  #\r\n  #  #  #  #\r\n  #  #  #  #\r\n");
}

}  // namespace
}  // namespace vantrel
