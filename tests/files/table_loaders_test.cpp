#include "files/table_loaders.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <sys/stat.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/result_tables.h"

namespace tamrel {
namespace {

namespace fs = std::filesystem;

using Rows = std::vector<std::vector<float>>;

// A fresh directory under the system's temporary directory, removed at the end.
class TempDir {
 public:
  TempDir() {
    std::string tmpl = (fs::temp_directory_path() / "tamrel_tables_XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const fs::path& path() const { return path_; }

  void Write(const std::string& name, const std::string& text) const {
    std::FILE* f = std::fopen((path_ / name).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }

 private:
  fs::path path_;
};

ProfileTable LTable() {
  return DesignState().lprof;
}

std::string LRows(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += std::to_string(100 + i) + ",50,6,6\n";
  return text;
}

Rows Cells(const ProfileTable& t) {
  Rows rows;
  for (int r = 0; r <= t.last; ++r) {
    rows.emplace_back(t.cell[r].begin() + 1, t.cell[r].begin() + 1 + t.columns);
  }
  return rows;
}

// ---- Profile rows: line ends, split rows, blanks ----

struct ParseCase {
  const char* what;
  std::string text;
  Rows rows;
};

TEST(ParseProfileTable, ReadsRowsWhateverTheLineLayout) {
  const Rows two = {{100, 50, 6, 6}, {150, 90, 10.5f, 12}};
  const ParseCase cases[] = {
      {"empty file", "", {}},
      {"only blank lines", "\n\r\n  \n", {}},
      {"LF", "100,50,6,6\n150,90,10.5,12\n", two},
      {"CR LF", "100,50,6,6\r\n150,90,10.5,12\r\n", two},
      {"no line end at the end", "100,50,6,6\n150,90,10.5,12", two},
      {"blank line at the end", "100,50,6,6\n150,90,10.5,12\n\n", two},
      {"blank CR LF lines and blanks at the end", "100,50,6,6\r\n150,90,10.5,12\r\n  \r\n\r\n",
       two},
      {"row split in place of a comma", "100,50\n6,6\n150\n90\n10.5\n12\n", two},
      {"row split after a comma", "100,50,\n6,6\r\n150,90,10.5,\r\n12\r\n", two},
      {"two rows on one line", "100,50,6,6,150,90,10.5,12\n", two},
      {"blanks around fields", "  100 , 50,\t6 ,6  \n150,  90,10.5,12\n", two},
      {"blank line between rows", "100,50,6,6\n\n150,90,10.5,12\n", two},
      {"quoted numbers", "\"100\",50,6,\"6\"\n150,90,10.5,12\n", two},
      {"exponent and plus sign", "1e2,+50,6,6\n150,90,1.05E1,12\n", two},
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "100,50,6,6\n150,90,10.5,12\n",
       two},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProfileTable t = LTable();
    ParseProfileTable(c.text, "lprof.dat", t);
    EXPECT_EQ(t.last, static_cast<std::int16_t>(c.rows.size()) - 1);
    EXPECT_EQ(Cells(t), c.rows);
  }
}

TEST(ParseProfileTable, StoresSinglePrecisionValuesAsRead) {
  ProfileTable t = DesignState().bfprof;
  ParseProfileTable("370,12.5,53.5,16.5,6779\n", "bfprof.dat", t);
  ASSERT_EQ(t.last, 0);
  EXPECT_EQ(t.cell[0][1], 370.0f);
  EXPECT_EQ(t.cell[0][2], 12.5f);
  EXPECT_EQ(t.cell[0][3], 53.5f);
  EXPECT_EQ(t.cell[0][4], 16.5f);
  EXPECT_EQ(t.cell[0][5], 6779.0f);
  // A decimal value is the nearest single, not a rounded double.
  ProfileTable f = DesignState().fprof;
  ParseProfileTable("5.6,0.1\n", "fprof.dat", f);
  EXPECT_EQ(f.cell[0][1], 5.6f);
  EXPECT_EQ(f.cell[0][2], 0.1f);
}

// ---- Capacities ----

struct CapacityCase {
  const char* what;
  ProfileTable table;
  int rows;
  bool fits;
};

TEST(ParseProfileTable, HoldsItsCapacityAndFailsOnTheNextRow) {
  const DesignState ds;
  const CapacityCase cases[] = {
      {"L 41", ds.lprof, 41, true},     {"L 42", ds.lprof, 42, false},
      {"T 41", ds.tprof, 41, true},     {"T 42", ds.tprof, 42, false},
      {"flat 41", ds.fprof, 41, true},  {"flat 42", ds.fprof, 42, false},
      {"bulb 61", ds.bfprof, 61, true}, {"bulb 62", ds.bfprof, 62, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string text;
    for (int i = 1; i <= c.rows; ++i) {
      for (int col = 1; col <= c.table.columns; ++col) {
        text += std::to_string(i * 10 + col) + (col < c.table.columns ? "," : "\n");
      }
    }
    ProfileTable t = c.table;
    if (c.fits) {
      ParseProfileTable(text, "table.dat", t);
      EXPECT_EQ(t.last, c.rows - 1);
      EXPECT_EQ(t.cell[c.rows - 1][1], static_cast<float>(c.rows * 10 + 1));
    } else {
      try {
        ParseProfileTable(text, "table.dat", t);
        ADD_FAILURE() << "no error";
      } catch (const TableLoadError& e) {
        EXPECT_EQ(e.line(), c.rows);
        EXPECT_NE(e.problem().find("more than " + std::to_string(c.rows - 1) + " rows"),
                  std::string::npos)
            << e.what();
      }
    }
  }
}

TEST(ParseProfileTable, ABlankLineAfterAFullTableIsNoExtraRow) {
  ProfileTable t = LTable();
  ParseProfileTable(LRows(41) + "\r\n \n", "lprof.dat", t);
  EXPECT_EQ(t.last, 40);
}

// ---- Failures ----

struct FailCase {
  const char* what;
  std::string text;
  const char* problem;  // part of the message
  int line;
};

TEST(ParseProfileTable, ReportsFileProblemAndLine) {
  const FailCase cases[] = {
      {"ends inside the first row", "100,50,6", "the file ends inside row 1 after 3 of 4 values",
       1},
      {"ends inside a later row", "100,50,6,6\n150,90\n",
       "the file ends inside row 2 after 2 of 4 values", 2},
      {"ends after a trailing comma", "100,50,6,6\n150,90,10,\n",
       "the file ends inside row 2 after 3 of 4 values", 2},
      {"a word", "100,50,6,6\n150,ninety,10,12\n", R"(value 2 of row 2 is not a number: "ninety")",
       2},
      {"a decimal comma split", "100,50,6,6\n150,90,10;5,12\n",
       R"(value 3 of row 2 is not a number: "10;5")", 2},
      {"two points", "100,50.0.1,6,6\n", R"(value 2 of row 1 is not a number: "50.0.1")", 1},
      {"number and text", "100,50mm,6,6\n", R"(value 2 of row 1 is not a number: "50mm")", 1},
      {"blank inside a number", "100,5 0,6,6\n", R"(value 2 of row 1 is not a number: "5 0")", 1},
      {"hexadecimal", "100,0x32,6,6\n", R"(value 2 of row 1 is not a number: "0x32")", 1},
      {"infinity", "100,inf,6,6\n", R"(value 2 of row 1 is not a number: "inf")", 1},
      {"nan", "100,50,nan,6\n", R"(value 3 of row 1 is not a number: "nan")", 1},
      {"too large for a single", "100,1e60,6,6\n", R"(value 2 of row 1 is out of range: "1e60")",
       1},
      {"empty value", "100,,6,6\n", "value 2 of row 1 is empty where a number is expected", 1},
      {"blank line inside a row", "100,50\n\n6,6\n",
       "value 3 of row 1 is empty where a number is expected", 2},
      {"missing closing quote", "100,\"50,6,6\n", "value 2 of row 1 has no closing quote", 1},
      {"text after the quote", "100,\"50\"mm,6,6\n",
       "value 2 of row 1 has text after its closing quote", 1},
      // A NUL or another control character is shown; the message goes on after it.
      {"a NUL in a number",
       std::string("100,5\0"
                   "0,6,6\n",
                   12),
       R"(value 2 of row 1 is not a number: "5\00")", 1},
      {"a control character", "100,50\x7f,6,6\n", R"(value 2 of row 1 is not a number: "50\x7F")",
       1},
      // Text that looks like an escape, or a quote, reads as itself.
      {"a backslash and a zero", R"(100,5\0,6,6)", R"(value 2 of row 1 is not a number: "5\\0")",
       1},
      {"a quoted backslash escape", R"(100,"5\x00",6,6)",
       R"(value 2 of row 1 is not a number: "5\\x00")", 1},
      {"a double quote inside a value", "100,5\"0,6,6\n",
       R"(value 2 of row 1 is not a number: "5\"0")", 1},
      // What would hide itself or turn the message around is shown by its code.
      {"a C1 control",
       "100,50\xC2\x9B"
       "2J,6,6\n",
       R"(value 2 of row 1 is not a number: "50\u{9B}2J")", 1},
      {"a right-to-left override", "100,50\xE2\x80\xAE,6,6\n",
       R"(value 2 of row 1 is not a number: "50\u{202E}")", 1},
      {"an isolate",
       "100,\xE2\x81\xA6"
       "50,6,6\n",
       R"(value 2 of row 1 is not a number: "\u{2066}50")", 1},
      // A table is read as it is: a byte that starts no UTF-8 character is
      // shown by its value, whatever it would be in another code page, and
      // so is each byte of a form UTF-8 does not allow.
      {"an 8-bit byte", "100,50\x85,6,6\n", R"(value 2 of row 1 is not a number: "50\x85")", 1},
      {"an overlong right-to-left override", "100,50\xF0\x82\x80\xAE,6,6\n",
       R"(value 2 of row 1 is not a number: "50\xF0\x82\x80\xAE")", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProfileTable t = LTable();
    try {
      ParseProfileTable(c.text, "lprof.dat", t);
      ADD_FAILURE() << "no error";
    } catch (const TableLoadError& e) {
      const std::string msg = e.what();
      EXPECT_EQ(msg, "Data table \"lprof.dat\", line " + std::to_string(c.line) + ": " + c.problem);
      EXPECT_EQ(e.problem(), c.problem);
      EXPECT_EQ(e.line(), c.line) << msg;
    }
  }
}

TEST(ParseProfileTable, AFailureLeavesTheTableAsItWas) {
  ProfileTable t = LTable();
  ParseProfileTable("100,50,6,6\n", "lprof.dat", t);
  EXPECT_THROW(ParseProfileTable(LRows(42), "lprof.dat", t), TableLoadError);
  EXPECT_THROW(ParseProfileTable("120,80,8", "lprof.dat", t), TableLoadError);
  EXPECT_EQ(t.last, 0);
  EXPECT_EQ(t.cell[0][1], 100.0f);
  EXPECT_EQ(t.cell[1][1], 0.0f);
}

TEST(ParseProfileTable, ALoadReplacesEveryEarlierRow) {
  ProfileTable t = LTable();
  ParseProfileTable(LRows(3), "lprof.dat", t);
  ParseProfileTable("90,90,9,9\n", "lprof.dat", t);
  EXPECT_EQ(t.last, 0);
  EXPECT_EQ(t.cell[1][1], 0.0f);
  ParseProfileTable("", "lprof.dat", t);
  EXPECT_EQ(t.last, -1);
}

// ---- Material table ----

std::string GradeRow(const std::string& name, int fy) {
  return name + "," + std::to_string(fy) + ",16,1,40,1,63,1,80,1,100,1,150,1\n";
}

TEST(ParseMaterialTable, NamesMayBeQuotedHoldCommasAndUtf8) {
  MaterialTable m;
  ParseMaterialTable(
      "S235,235,16,225,40,215,63,215,80,215,100,195,150,185\r\n"
      "\"S355, normalised\" ,355,16,345,40,335,63,325,80,315,100,295,150,285\r\n"
      "  \"St\xC3\xA5l 420\",420,16,400,40,390,63,370,80,\r\n"
      "360,100,340,150,330\r\n"
      "\"\",1,2,3,4,5,6,7,8,9,10,11,12,13\r\n"
      "User defined  ,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n\r\n",
      "DNVmat.dat", m);
  ASSERT_EQ(m.matlast, 4);
  EXPECT_EQ(m.matname[0], "S235");
  EXPECT_EQ(m.matname[1], "S355, normalised");
  EXPECT_EQ(m.matname[2], "St\xC3\xA5l 420");
  EXPECT_EQ(m.matname[3], "");
  EXPECT_EQ(m.matname[4], "User defined");
  const float s355[14] = {0, 355, 16, 345, 40, 335, 63, 325, 80, 315, 100, 295, 150, 285};
  for (int c = 1; c <= 13; ++c) EXPECT_EQ(m.mattab[1][c], s355[c]) << "column " << c;
  EXPECT_EQ(m.mattab[2][9], 360.0f);
  EXPECT_EQ(m.mattab[2][13], 330.0f);
  EXPECT_EQ(m.mattab[3][13], 13.0f);
  EXPECT_EQ(m.mattab[1][0], 0.0f);
  EXPECT_EQ(m.mattab[1][14], 0.0f);
}

TEST(ParseMaterialTable, GradeCountsAndCapacity) {
  struct Case {
    int grades;
    int matlast;  // -2: fails
  };
  const Case cases[] = {{0, -1}, {1, 0}, {6, 5}, {21, 20}, {22, -2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.grades);
    std::string text;
    for (int i = 0; i < c.grades; ++i) text += GradeRow("\"G" + std::to_string(i) + "\"", 200 + i);
    MaterialTable m;
    if (c.matlast == -2) {
      try {
        ParseMaterialTable(text, "DNVmat.dat", m);
        ADD_FAILURE() << "no error";
      } catch (const TableLoadError& e) {
        EXPECT_EQ(e.line(), 22);
        EXPECT_NE(e.problem().find("more than 21 rows"), std::string::npos) << e.what();
      }
    } else {
      ParseMaterialTable(text, "DNVmat.dat", m);
      EXPECT_EQ(m.matlast, c.matlast);
      if (c.grades > 0) {
        EXPECT_EQ(m.matname[c.matlast], "G" + std::to_string(c.matlast));
        EXPECT_EQ(m.mattab[c.matlast][1], static_cast<float>(200 + c.matlast));
      }
    }
  }
}

TEST(ParseMaterialTable, Failures) {
  const FailCase cases[] = {
      {"ends after the name", GradeRow("S235", 235) + "\"S275\"\n",
       "ends inside row 2 after 1 of 14", 2},
      {"ends inside the values", GradeRow("S235", 235) + "S275,275,16,265\n",
       "ends inside row 2 after 4 of 14", 2},
      {"strength not a number", "S235,235,16,2x5,40,215,63,215,80,215,100,195,150,185\n",
       "value 4 of row 1 is not a number: \"2x5\"", 1},
      {"name quote not closed", "\"S235,235,16,225,40,215,63,215,80,215,100,195,150,185\n",
       "value 1 of row 1 has no closing quote", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MaterialTable m;
    try {
      ParseMaterialTable(c.text, "DNVmat.dat", m);
      ADD_FAILURE() << "no error";
    } catch (const TableLoadError& e) {
      EXPECT_NE(std::string(e.what()).find(c.problem), std::string::npos) << e.what();
      EXPECT_EQ(e.line(), c.line) << e.what();
    }
  }
}

// ---- Files in the program directory ----

TEST(LoadAllTables, FillsEveryTableFromTheProgramDirectory) {
  DesignState ds;
  ds.apppath = TAMREL_FIXTURE_DIR "/tables/small";
  const fs::path cwd = fs::current_path();
  LoadAllTables(ds);
  EXPECT_EQ(fs::current_path(), cwd);  // the process directory is left alone

  EXPECT_EQ(ds.mat.matlast, 5);  // six grades: grade 5 is the typed-value entry
  EXPECT_EQ(ds.mat.matname[0], "S235");
  EXPECT_EQ(ds.mat.matname[1], "S355, normalised");
  EXPECT_EQ(ds.mat.matname[2], "St\xC3\xA5l S420");
  EXPECT_EQ(ds.mat.matname[5], "User defined");
  EXPECT_EQ(ds.mat.mattab[3][9], 400.0f);  // row split over two lines
  EXPECT_EQ(ds.mat.mattab[3][13], 370.0f);

  EXPECT_EQ(ds.bfprof.last, 1);
  EXPECT_EQ(ds.bfprof.cell[1][3], 62.5f);
  EXPECT_EQ(ds.bfprof.cell[1][5], 11567.0f);
  EXPECT_EQ(ds.lprof.last, 2);
  EXPECT_EQ(Cells(ds.lprof)[1], (std::vector<float>{150, 90, 12, 12}));
  EXPECT_EQ(ds.tprof.last, 1);
  EXPECT_EQ(ds.tprof.cell[0][3], 6.5f);
  EXPECT_EQ(ds.fprof.last, 0);  // one row, split over two lines
  EXPECT_EQ(Cells(ds.fprof)[0], (std::vector<float>{60, 6}));
}

TEST(LoadAllTables, ApppathWithOrWithoutTrailingSeparator) {
  DesignState ds;
  ds.apppath = TAMREL_FIXTURE_DIR "/tables/small/";
  LoadLProfiles(ds);
  EXPECT_EQ(ds.lprof.last, 2);
}

TEST(LoadAllTables, EachLoaderReadsItsOwnFile) {
  TempDir dir;
  dir.Write("DNVmat.dat", GradeRow("A", 1) + GradeRow("B", 2));
  dir.Write("bfprof.dat", "200,10,28,8,2566\r\n");
  dir.Write("lprof.dat", LRows(4));
  dir.Write("tprof.dat", "100,100,5.6,8.5\n100,200,9,15\n110,110,5.9,9.2\n");
  dir.Write("fprof.dat", "60,6\n60,8\n80,8\n80,10\n100,8\n");
  DesignState ds;
  ds.apppath = dir.path().string();
  LoadMaterials(ds);
  LoadBulbFlatProfiles(ds);
  LoadLProfiles(ds);
  LoadTProfiles(ds);
  LoadFlatbarProfiles(ds);
  EXPECT_EQ(ds.mat.matlast, 1);
  EXPECT_EQ(ds.bfprof.last, 0);
  EXPECT_EQ(ds.lprof.last, 3);
  EXPECT_EQ(ds.tprof.last, 2);
  EXPECT_EQ(ds.fprof.last, 4);
  EXPECT_EQ(ds.fprof.cell[4][2], 8.0f);
}

TEST(LoadAllTables, AMissingFileIsNamedInStartUpOrder) {
  const char* order[] = {"DNVmat.dat", "bfprof.dat", "lprof.dat", "tprof.dat", "fprof.dat"};
  const std::string contents[] = {GradeRow("A", 1), "200,10,28,8,2566\n", "100,50,6,6\n",
                                  "100,100,5.6,8.5\n", "60,6\n"};
  // With the first k files present, the (k+1)-th is the one reported.
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(order[k]);
    TempDir dir;
    for (int i = 0; i < k; ++i) dir.Write(order[i], contents[i]);
    DesignState ds;
    ds.apppath = dir.path().string();
    try {
      LoadAllTables(ds);
      ADD_FAILURE() << "no error";
    } catch (const TableLoadError& e) {
      EXPECT_EQ(e.file(), (dir.path() / order[k]).string());
      EXPECT_NE(std::string(e.what()).find(order[k]), std::string::npos) << e.what();
      EXPECT_NE(e.problem().find("missing"), std::string::npos) << e.what();
    }
  }
}

// A table file that holds no row, whatever its blanks, line ends or
// byte-order mark, is refused as damaged, for each of the five tables;
// the table loaded before stays as it was.
TEST(LoadAllTables, ATableFileOfNoRowsIsRefused) {
  const char* const files[] = {kMaterialFile, kBulbFlatFile, kLProfileFile, kTProfileFile,
                               kFlatbarFile};
  const std::string noRows[] = {"", "\n", "\r\n  \r\n\t\n\n", "\xEF\xBB\xBF",
                                "\xEF\xBB\xBF\r\n \r\n"};
  for (const char* file : files) {
    for (const std::string& text : noRows) {
      SCOPED_TRACE(std::string(file) + ", " + std::to_string(text.size()) + " bytes");
      TempDir dir;
      for (const char* f : files) fs::copy_file(fs::path(TAMREL_DATA_DIR) / f, dir.path() / f);
      DesignState ds;
      ds.apppath = dir.path().string();
      LoadAllTables(ds);
      const DesignState before = ds;
      dir.Write(file, text);
      const std::string path = (dir.path() / file).string();
      try {
        LoadAllTables(ds);
        ADD_FAILURE() << "no error";
      } catch (const TableLoadError& e) {
        EXPECT_STREQ(e.what(), ("Data table \"" + path + "\": the file holds no rows").c_str());
        EXPECT_EQ(e.file(), path);
        EXPECT_EQ(e.line(), 0);
      }
      EXPECT_EQ(ds.mat.matlast, before.mat.matlast);
      EXPECT_EQ(ds.mat.matname, before.mat.matname);
      EXPECT_EQ(ds.mat.mattab, before.mat.mattab);
      for (auto table :
           {&DesignState::bfprof, &DesignState::lprof, &DesignState::tprof, &DesignState::fprof}) {
        EXPECT_EQ((ds.*table).last, (before.*table).last);
        EXPECT_EQ((ds.*table).cell, (before.*table).cell);
      }
    }
  }
}

TEST(LoadProfileTable, UnreadableAndFaultyFiles) {
  TempDir dir;
  fs::create_directory(dir.path() / "lprof.dat");  // a directory where the file should be
  dir.Write("short.dat", "100,50,6,6\r\n120,80,8\r\n");
  dir.Write("word.dat", "100,50,6,6\r\n120,80,x,8\r\n");
  // What would block the start or read without end: a pipe, a link to an
  // endless device, a file of blanks larger than any table.
  ASSERT_EQ(::mkfifo((dir.path() / "pipe.dat").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", dir.path() / "zero.dat");
  fs::create_symlink("nothing.dat", dir.path() / "dangling.dat");
  dir.Write("huge.dat", std::string((std::size_t{1} << 20) + 1, ' '));
  struct Case {
    const char* file;
    const char* problem;
  };
  const Case cases[] = {
      {"lprof.dat", "cannot be read"},    {"nothing.dat", "missing"},
      {"short.dat", "ends inside row 2"}, {"word.dat", "value 3 of row 2 is not a number"},
      {"pipe.dat", "not a regular file"}, {"zero.dat", "not a regular file"},
      {"dangling.dat", "missing"},        {"huge.dat", "larger than any data table can be"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    ProfileTable t = LTable();
    try {
      LoadProfileTable(dir.path() / c.file, t);
      ADD_FAILURE() << "no error";
    } catch (const TableLoadError& e) {
      EXPECT_NE(std::string(e.what()).find((dir.path() / c.file).string()), std::string::npos)
          << e.what();
      EXPECT_NE(e.problem().find(c.problem), std::string::npos) << e.what();
    }
    EXPECT_EQ(t.last, 0);  // untouched
  }
}

// A user may edit a table: a row whose flange is thicker than the section
// is high loads like any other, and the profile it gives is degenerate:
// its local-buckling lines read NOK and no usage factor of it is a number.
TEST(LoadAllTables, AnEditedRowThatCannotExistNeverPasses) {
  TempDir dir;
  for (const char* file : {kMaterialFile, kBulbFlatFile, kFlatbarFile}) {
    fs::copy_file(fs::path(TAMREL_DATA_DIR) / file, dir.path() / file);
  }
  dir.Write(kTProfileFile, "200,90,9,12\n100,5,30,150\n");
  dir.Write(kLProfileFile, "200,100,10,10\n100,90,10,120\n");
  DesignState ds;
  SetDefaults(ds);
  ds.apppath = dir.path().string();
  LoadAllTables(ds);
  ds.cyltype = kStringerStiffened;
  ds.ring = 1;
  ds.ringtype = kTTable;
  ds.girdtidx = ds.tprof.last;
  ds.stifftype = kLTable;
  ds.stifflidx = ds.lprof.last;
  Recalculate(ds);
  EXPECT_EQ(ds.hg.value(), 100);
  EXPECT_EQ(ds.tfg, 150.0f);
  EXPECT_EQ(ds.Ag.value(), -750);
  EXPECT_EQ(ds.tfs, 120.0f);
  for (int i : {1, 2, 3, 4}) EXPECT_NE(ds.girdclass[i].find("==> NOK"), std::string::npos);
  for (int i : {1, 2}) EXPECT_NE(ds.stiffclass[i].find("==> NOK"), std::string::npos);
  EXPECT_EQ(ds.ringTable.val[2], "n/a");
  EXPECT_EQ(ds.ringTable.val[11], "n/a");
  EXPECT_EQ(ds.stiffTable.val[13], "n/a");
  EXPECT_FALSE(UsageFactorPasses(ds.UFarea, ds.UF));
  EXPECT_FALSE(UsageFactorPasses(ds.UFinertia, ds.UF));
  EXPECT_FALSE(UsageFactorPasses(ds.UFst, ds.UFpermst));
}

TEST(TableLoadError, IsARuntimeErrorWithItsMessage) {
  const TableLoadError e("/opt/tamrel/lprof.dat", "the file is missing");
  const std::runtime_error& base = e;
  EXPECT_STREQ(base.what(), "Data table \"/opt/tamrel/lprof.dat\": the file is missing");
  const TableLoadError at("fprof.dat", "value 2 of row 3 is empty", 3);
  EXPECT_STREQ(at.what(), "Data table \"fprof.dat\", line 3: value 2 of row 3 is empty");
}

}  // namespace
}  // namespace tamrel
