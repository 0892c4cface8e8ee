#include "calc/recording_surface.h"

#include <algorithm>
#include <cmath>

namespace tamrel {
namespace {

constexpr double kSameY = 1e-6;

// Characters of a UTF-8 text (continuation bytes are not counted).
std::size_t CharCount(std::string_view text) {
  std::size_t continuation = 0;
  for (const char c : text)
    continuation += (static_cast<unsigned char>(c) & 0xC0U) == 0x80U ? 1 : 0;
  return text.size() - continuation;
}

// Room for the operations of a few result tables before the list grows.
constexpr std::size_t kFirstCapacity = 128;

}  // namespace

std::string RecordingSurface::Row::Joined() const {
  std::string s;
  for (const auto& t : texts) s += t.text;
  return s;
}

void RecordingSurface::Clear() {
  if (ops_.empty()) ops_.reserve(kFirstCapacity);
  ops_.emplace_back().kind = Op::Kind::Clear;
  MoveHome();
}

void RecordingSurface::Record(std::string_view text, bool lineBreak) {
  if (ops_.empty()) ops_.reserve(kFirstCapacity);
  Text& t = ops_.emplace_back().text;
  t.text.assign(text);
  t.x = CurrentX();
  t.y = CurrentY();
  t.bold = bold();
  t.underline = underline();
  t.colour = colour();
  t.lineBreak = lineBreak;
}

void RecordingSurface::Print(std::string_view text) {
  Record(text, false);
  Advance(TextWidth(text));
}

void RecordingSurface::PrintLine(std::string_view text) {
  Record(text, true);
  NewLine(kLineHeight);
}

double RecordingSurface::TextWidth(std::string_view text) const {
  return kCharWidth * static_cast<double>(CharCount(text));
}

int RecordingSurface::ClearCount() const {
  return static_cast<int>(std::count_if(ops_.begin(), ops_.end(),
                                        [](const Op& op) { return op.kind == Op::Kind::Clear; }));
}

std::vector<RecordingSurface::Text> RecordingSurface::Visible() const {
  std::vector<Text> out;
  for (const auto& op : ops_) {
    if (op.kind == Op::Kind::Clear) {
      out.clear();
    } else {
      out.push_back(op.text);
    }
  }
  return out;
}

std::vector<std::string> RecordingSurface::VisibleTexts() const {
  std::vector<std::string> out;
  for (const auto& t : Visible()) out.push_back(t.text);
  return out;
}

std::vector<RecordingSurface::Row> RecordingSurface::Rows() const {
  std::vector<Row> rows;
  for (const auto& t : Visible()) {
    auto it = std::find_if(rows.begin(), rows.end(),
                           [&](const Row& r) { return std::fabs(r.y - t.y) < kSameY; });
    if (it == rows.end()) {
      rows.push_back(Row{t.y, {t}});
    } else {
      it->texts.push_back(t);
    }
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.y < b.y; });
  return rows;
}

std::vector<RecordingSurface::Text> RecordingSurface::TextsAt(double y) const {
  std::vector<Text> out;
  for (const auto& t : Visible()) {
    if (std::fabs(t.y - y) < kSameY) out.push_back(t);
  }
  return out;
}

const char* ColourName(Colour c) {
  switch (c) {
    case Colour::Black: return "black";
    case Colour::Green: return "green";
    case Colour::Red: return "red";
  }
  return "black";
}

}  // namespace tamrel
