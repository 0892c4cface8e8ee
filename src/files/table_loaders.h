#pragma once
// Loaders of the five data tables read from the program directory at
// start-up: the steel grades ("DNVmat.dat") and the rolled sections
// ("bfprof.dat", "lprof.dat", "tprof.dat", "fprof.dat").
//
// File format: values are read one after the other as fields. A field ends
// at a comma or a line end (LF, CR LF or CR); leading blanks are skipped; a
// field may be enclosed in double quotes (a grade name may then hold commas).
// A row is the next n values whatever the line breaks, so a row may be split
// over lines (a line break may stand in place of a comma or follow one).
// Blank lines and blanks between rows are skipped, so a file may end in a
// blank line. A UTF-8 byte-order mark at the start is ignored; names are kept
// as the bytes read (UTF-8 passes through). Numbers are read with
// std::from_chars, never through the C locale.
//
// A file that cannot be read, a file that holds no rows, a row past the
// table's capacity, a file that ends inside a row, or a number field that
// is not a finite number throws TableLoadError; the table in the design
// state is then left as it was.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/design_state.h"

namespace tamrel {

// A data table could not be loaded. what() names the file and the problem,
// and the line where it was found when there is one.
class TableLoadError : public std::runtime_error {
 public:
  TableLoadError(const std::string& file, const std::string& problem, int line = 0);

  const std::string& file() const { return file_; }
  const std::string& problem() const { return problem_; }
  int line() const { return line_; }  // 1-based; 0 when not tied to a line

 private:
  std::string file_;
  std::string problem_;
  int line_;
};

// The file names of the five tables in the program directory.
inline constexpr const char* kMaterialFile = "DNVmat.dat";
inline constexpr const char* kBulbFlatFile = "bfprof.dat";
inline constexpr const char* kLProfileFile = "lprof.dat";
inline constexpr const char* kTProfileFile = "tprof.dat";
inline constexpr const char* kFlatbarFile = "fprof.dat";

// Each fills its table in ds from its file in the directory ds.apppath.
void LoadMaterials(DesignState& ds);
void LoadBulbFlatProfiles(DesignState& ds);
void LoadLProfiles(DesignState& ds);
void LoadTProfiles(DesignState& ds);
void LoadFlatbarProfiles(DesignState& ds);

// All five in the start-up order: "DNVmat.dat", "bfprof.dat", "lprof.dat",
// "tprof.dat", "fprof.dat". Stops at the first failure.
void LoadAllTables(DesignState& ds);

// Lower level: a profile table from a file or from text. The table's
// capacity and columns (set by DesignState) give its shape; name is the file
// name used in messages. A text of no rows gives a table of no rows (last
// -1); a file of no rows is refused.
void LoadProfileTable(const std::filesystem::path& path, ProfileTable& table);
void ParseProfileTable(std::string_view text, const std::string& name, ProfileTable& table);

// Lower level: the material table from a file or from text; each row is a
// grade name followed by its thirteen numbers. As for the profiles, a text
// of no rows gives matlast -1 and a file of no rows is refused.
void LoadMaterialTable(const std::filesystem::path& path, MaterialTable& table);
void ParseMaterialTable(std::string_view text, const std::string& name, MaterialTable& table);

}  // namespace tamrel
