#include "files/table_loaders.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "files/regular_file.h"

namespace tamrel {

namespace {

std::string IntText(long long v) {
  char buf[24];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

std::string ErrorText(const std::string& file, const std::string& problem, int line) {
  std::string text = "Data table \"" + file + "\"";
  if (line > 0) text += ", line " + IntText(line);
  return text + ": " + problem;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\n' || c == '\r';
}

// Reads the fields of a table text one after the other.
class FieldReader {
 public:
  FieldReader(std::string_view text, const std::string& name) : text_(text), name_(name) {
    // A UTF-8 byte-order mark written by some editors.
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
  }

  // Skips blanks and line ends before a row; true at the end of the text.
  bool AtEndBeforeRow() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (IsBlank(c)) {
        ++pos_;
      } else if (IsLineEnd(c)) {
        SkipLineEnd();
      } else {
        row_line_ = line_;
        return false;
      }
    }
    return true;
  }

  // The next field of row `row` (1-based), the value-th of its `count` values.
  std::string_view Next(int row, int value, int count) {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) {
      Fail("the file ends inside row " + IntText(row) + " after " + IntText(value - 1) + " of " +
               IntText(count) + " values",
           row_line_);
    }
    std::string_view field;
    if (text_[pos_] == '"') {
      const std::size_t start = pos_ + 1;
      std::size_t end = start;
      while (end < text_.size() && text_[end] != '"' && !IsLineEnd(text_[end])) ++end;
      if (end >= text_.size() || text_[end] != '"') {
        Fail(Where(row, value) + " has no closing quote");
      }
      field = text_.substr(start, end - start);
      pos_ = end + 1;
      while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
      if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
        Fail(Where(row, value) + " has text after its closing quote");
      }
    } else {
      const std::size_t start = pos_;
      while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
      std::size_t end = pos_;
      while (end > start && IsBlank(text_[end - 1])) --end;
      field = text_.substr(start, end - start);
    }
    SkipSeparator();
    return field;
  }

  // The next field read as a single-precision number.
  float NextNumber(int row, int value, int count) {
    const int line = line_;
    std::string_view field = Next(row, value, count);
    if (field.empty()) Fail(Where(row, value) + " is empty where a number is expected", line);
    std::string_view digits = field;
    // from_chars takes no plus sign; accept one before a digit or a point.
    if (digits.size() > 1 && digits[0] == '+' && digits[1] != '+' && digits[1] != '-') {
      digits.remove_prefix(1);
    }
    float v = 0.0f;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), v,
                                     std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
      Fail(Where(row, value) + " is out of range: " + QuotedForMessage(field), line);
    }
    if (res.ec != std::errc() || res.ptr != digits.data() + digits.size() || !std::isfinite(v)) {
      Fail(Where(row, value) + " is not a number: " + QuotedForMessage(field), line);
    }
    return v;
  }

  [[noreturn]] void Fail(const std::string& problem, int line = 0) const {
    throw TableLoadError(name_, problem, line > 0 ? line : line_);
  }

 private:
  static std::string Where(int row, int value) {
    return "value " + IntText(value) + " of row " + IntText(row);
  }

  void SkipLineEnd() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  // Consumes what ends a field: a comma (with the line end after it when
  // nothing but blanks follows on its line), a line end, or the end of text.
  void SkipSeparator() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == ',') {
      ++pos_;
      std::size_t p = pos_;
      while (p < text_.size() && IsBlank(text_[p])) ++p;
      if (p < text_.size() && IsLineEnd(text_[p])) {
        pos_ = p;
        SkipLineEnd();
      }
    } else if (IsLineEnd(text_[pos_])) {
      SkipLineEnd();
    }
  }

  std::string_view text_;
  const std::string& name_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int row_line_ = 1;  // line on which the current row began
};

// The largest table holds 61 rows of five numbers, a few kilobytes of text;
// a file of a megabyte is no table, whatever its blanks.
constexpr std::size_t kMaxTableFileSize = std::size_t{1} << 20;

std::string ReadWholeFile(const std::filesystem::path& path) {
  const std::string name = path.string();
  std::string text;
  switch (ReadRegularFile(path, kMaxTableFileSize, text)) {
    case FileReadFault::None: return text;
    case FileReadFault::NotFound: throw TableLoadError(name, "the file is missing");
    case FileReadFault::Folder:
      throw TableLoadError(name, "the file cannot be read (it is a directory)");
    case FileReadFault::NotAFile:
      throw TableLoadError(name,
                           "the file cannot be read (it is not a regular file but a pipe, a "
                           "device or a socket)");
    case FileReadFault::CannotOpen: break;
    case FileReadFault::TooLarge:
      throw TableLoadError(name, "the file is larger than any data table can be (over 1 MiB)");
    case FileReadFault::CannotRead: throw TableLoadError(name, "the file cannot be read");
  }
  throw TableLoadError(name, "the file cannot be opened for reading");
}

std::string RowCapacityProblem(int capacity) {
  return "more than " + IntText(capacity) + " rows; the table holds " + IntText(capacity);
}

// A table file of no rows (nothing, or nothing but a byte-order mark,
// blanks and line ends) is as damaged as one cut inside a row: every
// profile the program would look up in it is missing, every grade list
// empty, and a result worked out without them would be shown as if it held.
constexpr const char* kNoRowsProblem = "the file holds no rows";

std::filesystem::path TablePath(const DesignState& ds, const char* file) {
  return std::filesystem::path(ds.apppath) / file;
}

}  // namespace

TableLoadError::TableLoadError(const std::string& file, const std::string& problem, int line)
    : std::runtime_error(ErrorText(file, problem, line)),
      file_(file),
      problem_(problem),
      line_(line) {}

void ParseProfileTable(std::string_view text, const std::string& name, ProfileTable& table) {
  if (table.columns < 1 || table.columns > ProfileTable::kMaxColumns || table.capacity < 0 ||
      table.capacity > ProfileTable::kMaxRows) {
    throw std::invalid_argument("profile table for \"" + name + "\" has no valid shape");
  }
  ProfileTable fresh;
  fresh.capacity = table.capacity;
  fresh.columns = table.columns;

  FieldReader in(text, name);
  int row = 0;
  while (!in.AtEndBeforeRow()) {
    if (row >= fresh.capacity) in.Fail(RowCapacityProblem(fresh.capacity));
    for (int col = 1; col <= fresh.columns; ++col) {
      fresh.cell[row][col] = in.NextNumber(row + 1, col, fresh.columns);
    }
    ++row;
  }
  fresh.last = static_cast<std::int16_t>(row - 1);
  table = fresh;
}

void ParseMaterialTable(std::string_view text, const std::string& name, MaterialTable& table) {
  constexpr int kValues = 13;  // fy1, t1, ..., t6, fy7
  MaterialTable fresh;
  FieldReader in(text, name);
  int row = 0;
  while (!in.AtEndBeforeRow()) {
    if (row >= MaterialTable::kMaxGrades) in.Fail(RowCapacityProblem(MaterialTable::kMaxGrades));
    fresh.matname[row] = std::string(in.Next(row + 1, 1, kValues + 1));
    for (int col = 1; col <= kValues; ++col) {
      fresh.mattab[row][col] = in.NextNumber(row + 1, col + 1, kValues + 1);
    }
    ++row;
  }
  fresh.matlast = static_cast<std::int16_t>(row - 1);
  table = std::move(fresh);
}

void LoadProfileTable(const std::filesystem::path& path, ProfileTable& table) {
  ProfileTable loaded = table;
  ParseProfileTable(ReadWholeFile(path), path.string(), loaded);
  if (loaded.last < 0) throw TableLoadError(path.string(), kNoRowsProblem);
  table = loaded;
}

void LoadMaterialTable(const std::filesystem::path& path, MaterialTable& table) {
  MaterialTable loaded;
  ParseMaterialTable(ReadWholeFile(path), path.string(), loaded);
  if (loaded.matlast < 0) throw TableLoadError(path.string(), kNoRowsProblem);
  table = std::move(loaded);
}

void LoadMaterials(DesignState& ds) {
  LoadMaterialTable(TablePath(ds, kMaterialFile), ds.mat);
}
void LoadBulbFlatProfiles(DesignState& ds) {
  LoadProfileTable(TablePath(ds, kBulbFlatFile), ds.bfprof);
}
void LoadLProfiles(DesignState& ds) {
  LoadProfileTable(TablePath(ds, kLProfileFile), ds.lprof);
}
void LoadTProfiles(DesignState& ds) {
  LoadProfileTable(TablePath(ds, kTProfileFile), ds.tprof);
}
void LoadFlatbarProfiles(DesignState& ds) {
  LoadProfileTable(TablePath(ds, kFlatbarFile), ds.fprof);
}

void LoadAllTables(DesignState& ds) {
  LoadMaterials(ds);
  LoadBulbFlatProfiles(ds);
  LoadLProfiles(ds);
  LoadTProfiles(ds);
  LoadFlatbarProfiles(ds);
}

}  // namespace tamrel
