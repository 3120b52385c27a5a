#include "storage/workbook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

// Every text reaches the file whole: what XML cannot carry is written so that spreadsheets
// read it back as it was.
TEST(SheetTextTest, KeepsEveryCharacterInAFormTheFileCanHold) {
  const struct {
    std::string data;
    std::string stored;
  } cases[] = {
      {"0001234567890", "0001234567890"},
      {"0\x01 1", "0_x0001_ 1"},
      {std::string("\0\x08\x0b\x0c\x0e\x1f", 6), "_x0000__x0008__x000B__x000C__x000E__x001F_"},
      {"tab\tline\n", "tab\tline\n"},                // XML carries these itself
      {"return\r\n", "return_x000D_\n"},             // XML would read it back as a line feed
      {"a&b <x> \"q\" \x7f", "a&b <x> \"q\" \x7f"},  // XML's own escaping is the writer's
      {"Zo\xc3\xab", "Zo\xc3\xab"},
      {"_x0041_", "_x005F_x0041_"},  // read back as itself, not as "A"
      {"_x00e9_x", "_x005F_x00e9_x"},
      {"_x12G4_ _x123_ x0041_ _x0041", "_x12G4_ _x123_ x0041_ _x0041"},
  };
  for (const auto& c : cases) EXPECT_EQ(SheetText(c.data), c.stored) << c.data;
}

TEST(MakeSheetTest, WidthsFollowTheLongestTextInCharactersWithinTheLimits) {
  const Sheet sheet = MakeSheet("S",
                                {{"ID", "A name", "Zo\xc3\xab", "DNA"},
                                 {"1", std::string(100, 'x'),
                                  "\xc3\xab\xc3\xab\xc3\xab\xc3\xab"
                                  "\xc3\xab\xc3\xab\xc3\xab",
                                  "0001234567890"}},
                                {});
  EXPECT_EQ(sheet.format.widths, (std::vector<double>{9, 80, 10, 16}));
}

// When the first row names the table's columns, and when the table has only its style.
TEST(MakeSheetTest, TheFirstRowNamesTheColumnsOnlyWhenItCan) {
  const std::string kLong(256, 'T');
  const struct {
    std::vector<std::vector<std::string>> rows;
    bool table;
    bool header_row;
    std::vector<std::string> names;
  } cases[] = {
      {{{"ID", "P1"}, {"1", "2"}}, true, true, {"ID", "P1"}},
      {{{"ID", "id"}, {"1", "2"}}, true, false, {"Column1", "Column2"}},
      {{{"Zo\xc3\xab", "ZO\xc3\x8b"}, {"1", "2"}}, true, false, {"Column1", "Column2"}},
      // × and ÷ are no pair of capital and small letter.
      {{{"\xc3\x97", "\xc3\xb7"}, {"1", "2"}}, true, true, {"\xc3\x97", "\xc3\xb7"}},
      {{{"ID", ""}, {"1", "2"}}, true, false, {"Column1", "Column2"}},
      {{{"ID", "a\tb"}, {"1", "2"}}, true, false, {"Column1", "Column2"}},
      {{{"ID", kLong}, {"1", "2"}}, true, false, {"Column1", "Column2"}},
      {{{"ID", kLong.substr(1)}, {"1", "2"}}, true, true, {"ID", kLong.substr(1)}},
      {{{"_x0041_"}, {"1"}}, true, true, {"_x005F_x0041_"}},
      {{{"ID", "P1"}}, true, false, {"Column1", "Column2"}},  // no row below the titles
      {{}, false, false, {}},
  };
  for (const auto& c : cases) {
    const SheetFormat format = MakeSheet("S", c.rows, {}).format;
    const std::string label = c.rows.empty() ? "" : c.rows[0][0] + "|" + c.rows[0].back();
    EXPECT_EQ(format.table, c.table) << label;
    EXPECT_EQ(format.header_row, c.header_row) << label;
    EXPECT_EQ(format.column_names, c.names) << label;
    EXPECT_EQ(format.row_count, static_cast<int>(c.rows.size())) << label;
  }
}

TEST(MakeSheetTest, CellsBelowTheTitlesTakeTheirColumnsTypeWhenTheyHoldANumber) {
  const CellType kText = CellType::kText;
  const CellType kNumber = CellType::kNumber;
  const Sheet sheet = MakeSheet("Runs",
                                {{"run", "goal", "bonus"},
                                 {"12", "7", "-2"},
                                 {"", "", "1.5"},
                                 {"3x", "", "1."},
                                 {"-", "", ".5"}},
                                {kNumber, kText, kNumber});
  EXPECT_EQ(sheet.format.name, "Runs");
  EXPECT_EQ(sheet.cells, (std::vector<SheetCell>{{"run"},
                                                 {"goal"},
                                                 {"bonus"},
                                                 {"12", kNumber},
                                                 {"7"},
                                                 {"-2", kNumber},
                                                 {""},
                                                 {""},
                                                 {"1.5", kNumber},
                                                 {"3x"},
                                                 {""},
                                                 {"1."},
                                                 {"-"},
                                                 {""},
                                                 {".5"}}));
}

}  // namespace
}  // namespace vantrel
