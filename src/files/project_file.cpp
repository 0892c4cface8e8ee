#include "files/project_file.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <vector>

#include "calc/numeric.h"
#include "calc/state_vars.h"
#include "calc/window.h"
#include "files/file_numbers.h"
#include "files/file_replace.h"
#include "files/regular_file.h"
#include "files/text_encoding.h"

namespace tamrel {

namespace fs = std::filesystem;
using Kind = ProjectFileError::Kind;

namespace {

// ---- The 59 lines of format 170 ----

enum class LineKind { Version, Text, Integer, Single, Number };

// Line n of the file holds the catalogue's variable of line n.
const std::array<const StateVar*, kProjectFileLines>& Lines() {
  static const std::array<const StateVar*, kProjectFileLines> lines = [] {
    std::array<const StateVar*, kProjectFileLines> a{};
    for (const StateVar& v : StateVars()) {
      if (v.fileLine > 0) a[static_cast<std::size_t>(v.fileLine - 1)] = &v;
    }
    return a;
  }();
  return lines;
}

LineKind KindOf(const StateVar& v) {
  if (v.fileLine == kVersionLine) return LineKind::Version;
  if (v.text != nullptr) return LineKind::Text;
  switch (v.ref.kind()) {
    case VarKind::Int16: return LineKind::Integer;
    case VarKind::Single: return LineKind::Single;
    default: return LineKind::Number;
  }
}

constexpr int kStiffnoteLine = 14;

// The last line a format number calls for: every number above 130 is the
// current format; 106..130 ends with hring on line 50; 105 and below end
// with tfg on line 49.
int LastLineOf(std::int16_t fileverin) {
  if (fileverin > 130) return kProjectFileLines;
  if (fileverin > 105) return 50;
  return 49;
}

// A line break would shift every later line of the file: it is written as a blank.
std::string OneLine(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

// Lines end in CR LF, LF or CR; a last line without its end counts.
std::vector<std::string_view> SplitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(content.substr(start, i - start));
      if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < content.size()) lines.push_back(content.substr(start));
  return lines;
}

std::string Quoted(std::string_view text) {
  return QuotedForMessage(text);
}

[[noreturn]] void FailLine(const std::string& path, int line, const StateVar& what,
                           std::string_view field, NumberParse why) {
  std::string msg = "\"" + path + "\", line " + std::to_string(line) + " (" + what.name + "): ";
  const LineKind kind = KindOf(what);
  if (why == NumberParse::OutOfRange) {
    msg += Quoted(field) + (kind == LineKind::Integer || kind == LineKind::Version
                                ? " is outside -32768..32767"
                                : " is beyond the range of the number");
  } else {
    msg += field.empty() ? std::string("no number") : Quoted(field) + " is not a number";
  }
  throw ProjectFileError(Kind::BadContent, path, msg);
}

NumberParse Finite(double value) {
  if (std::isnan(value)) return NumberParse::NotANumber;
  return std::isinf(value) ? NumberParse::OutOfRange : NumberParse::Ok;
}

void ReadLine(DesignState& ds, const StateVar& what, int n, std::string_view line,
              const std::string& path) {
  const LineKind kind = KindOf(what);
  if (kind == LineKind::Text) {
    ds.*what.text = std::string(line);
    return;
  }
  const std::string_view field = NumberField(line);
  NumberParse p = NumberParse::Ok;
  switch (kind) {
    case LineKind::Version: p = ParseFileInt16(field, ds.fileverin); break;
    case LineKind::Integer: p = ParseFileInt16(field, *what.ref.Int16(ds)); break;
    case LineKind::Single: p = ParseFileSingle(field, *what.ref.Single(ds)); break;
    case LineKind::Number: p = ParseFileVariant(field, *what.ref.Number(ds)); break;
    case LineKind::Text: break;
  }
  // A number line must hold a number the calculation can use: an infinity
  // is refused as beyond the range, a NaN as no number (any spelling the
  // number parser takes: "inf", "-Infinity", "nan", "NaN(123)").
  if (p == NumberParse::Ok && (kind == LineKind::Single || kind == LineKind::Number)) {
    p = Finite(what.ref.Get(ds));
  }
  if (p != NumberParse::Ok) FailLine(path, n, what, field, p);
}

// ---- Files ----

fs::path PathOf(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

void SetCaption(DesignState& ds, const std::string& path) {
  ds.filename = path;
  if (ds.mainfrm != nullptr) ds.mainfrm->SetWindowCaption("Tamrel DNV: " + path);
}

// A project file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxFileSize = std::size_t{1} << 20;

std::string ReadWholeFile(const std::string& path) {
  std::string content;
  switch (ReadRegularFile(PathOf(path), kMaxFileSize, content)) {
    case FileReadFault::None: return content;
    case FileReadFault::NotFound:
      throw ProjectFileError(Kind::NotFound, path, "can't find file \"" + path + "\"");
    case FileReadFault::Folder:
      throw ProjectFileError(Kind::ReadFailed, path, "\"" + path + "\" is a folder, not a file");
    case FileReadFault::NotAFile:
      throw ProjectFileError(Kind::ReadFailed, path, "\"" + path + "\" is not a file");
    case FileReadFault::CannotOpen: break;
    case FileReadFault::TooLarge:
      throw ProjectFileError(Kind::BadContent, path,
                             "\"" + path + "\" is too large to be a project file");
    case FileReadFault::CannotRead:
      throw ProjectFileError(Kind::ReadFailed, path, "can't read \"" + path + "\"");
  }
  throw ProjectFileError(Kind::ReadFailed, path, "can't open \"" + path + "\"");
}

[[noreturn]] void FailSave(const std::string& path, const FileReplaceError& e) {
  throw ProjectFileError(Kind::CannotSave, path, "can't save \"" + path + "\": " + e.what(),
                         e.fileMayBeDamaged());
}

// Exact comparison at the table's single precision: a dimension taken from a
// row, written and read back, finds that row again whatever kind it held.
bool Same(float cell, double dimension) {
  if (!(std::fabs(dimension) <= static_cast<double>(FLT_MAX))) return false;  // no cell holds it
  return cell == static_cast<float>(dimension);
}

}  // namespace

std::string ProjectFileText(const DesignState& ds) {
  std::string text;
  text.reserve(1024);
  for (const StateVar* line : Lines()) {
    switch (KindOf(*line)) {
      case LineKind::Version: text += FormatFileInt16(kProjectFileVersion); break;
      case LineKind::Text: text += OneLine(ds.*line->text); break;
      case LineKind::Integer: text += FormatFileInt16(*line->ref.Int16(ds)); break;
      case LineKind::Single: text += FormatFileSingle(*line->ref.Single(ds)); break;
      case LineKind::Number: text += FormatFileVariant(*line->ref.Number(ds)); break;
    }
    text += "\r\n";
  }
  return text;
}

void ParseProjectFileText(DesignState& ds, std::string_view content, const std::string& path) {
  std::string converted;
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (content.substr(0, kBom.size()) == kBom) content.remove_prefix(kBom.size());
  if (!IsValidUtf8(content)) {
    converted = Cp1252ToUtf8(content);
    content = converted;
  }
  const std::vector<std::string_view> lines = SplitLines(content);
  int last = 1;
  for (int n = 1; n <= last; ++n) {
    if (static_cast<std::size_t>(n) > lines.size()) {
      std::string msg = "\"" + path + "\" ends before line " + std::to_string(n);
      if (n > 1) {
        msg +=
            " (format " + std::to_string(ds.fileverin) + " has " + std::to_string(last) + " lines)";
      }
      throw ProjectFileError(Kind::BadContent, path, msg);
    }
    ReadLine(ds, *Lines()[static_cast<std::size_t>(n - 1)], n,
             lines[static_cast<std::size_t>(n - 1)], path);
    if (n == 1) last = LastLineOf(ds.fileverin);
    if (n == kStiffnoteLine) ds.stiffnote = 1;
  }
}

void RepairStiffenerRow(DesignState& ds) {
  const ProfileTable* table = nullptr;
  std::int16_t* index = nullptr;
  switch (ds.stifftype) {
    case kLTable:
      table = &ds.lprof;
      index = &ds.stifflidx;
      break;
    case kTTable:
      table = &ds.tprof;
      index = &ds.stifftidx;
      break;
    case kFlatbarTable:
      table = &ds.fprof;
      index = &ds.stifffidx;
      break;
    case kBulbFlat:
      table = &ds.bfprof;
      index = &ds.stiffhpidx;
      break;
    default: return;  // built-up types have no row
  }
  for (int r = 0; r <= table->last && r < ProfileTable::kMaxRows; ++r) {
    const auto& row = table->cell[static_cast<std::size_t>(r)];
    bool match = false;
    switch (ds.stifftype) {
      case kLTable:
        match = Same(row[1], ds.hs) && Same(row[2], ds.bs) && Same(row[3], ds.tws);
        break;
      case kTTable:
        match =
            Same(row[1], ds.hs) && Same(row[2], ds.bs) && Same(row[3], ds.tws) && row[4] == ds.tfs;
        break;
      default: match = Same(row[1], ds.hs) && Same(row[2], ds.tws); break;  // flat bar, bulb
    }
    if (match) *index = static_cast<std::int16_t>(r);  // no break: the last match wins
  }
}

namespace {

// A wall thickness rounded to single precision for its built-up set. A
// number line may hold a double beyond the single range; it is kept as the
// largest single of its sign, since an infinity would go on into the current
// dimensions and make the next save a file that cannot be read.
float SingleWithinRange(double value) {
  if (std::fabs(value) > static_cast<double>(FLT_MAX))
    return std::signbit(value) ? -FLT_MAX : FLT_MAX;
  return Sng(value);
}

}  // namespace

void RefillBuiltUpSets(DesignState& ds) {
  for (const Member member : {Member::Stiffener, Member::RingFrame}) {
    const int type = member == Member::Stiffener ? ds.stifftype : ds.ringtype;
    for (const StateVar* v : BuiltUpSetOf(member, type)) {
      const VarRef from = CurrentOf(member, v->quantity);
      Variant value = from.GetVariant(ds);
      if (v->ref.kind() == VarKind::Single && from.kind() != VarKind::Single) {
        value = SingleWithinRange(value);
      }
      v->ref.Set(ds, value);
    }
  }
}

void WriteProjectFile(DesignState& ds, const std::string& path) {
  WriteProjectFile(ds, path, SystemFileReplaceCalls());
}

void WriteProjectFile(DesignState& ds, const std::string& path, FileReplaceCalls& calls) {
  try {
    ReplaceFile(PathOf(path), ProjectFileText(ds), calls);
  } catch (const FileReplaceError& e) {
    FailSave(path, e);
  }
  SetCaption(ds, path);
}

void ReadProjectFile(DesignState& ds, const std::string& path) {
  ReadProjectFileContent(ds, ReadWholeFile(path), path);
}

void ReadProjectFileContent(DesignState& ds, std::string_view content, const std::string& path) {
  // Read into a copy: the project is replaced only when the whole file was read.
  DesignState work = ds;
  ParseProjectFileText(work, content, path);
  RepairStiffenerRow(work);
  RefillBuiltUpSets(work);
  ds = std::move(work);
  SetCaption(ds, path);
}

}  // namespace tamrel
