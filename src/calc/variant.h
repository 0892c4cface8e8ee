#pragma once
// A tagged number that remembers the kind of the value last stored in it
// (16-bit integer, single or double precision) and reads as a double. It has
// no arithmetic of its own: formulas convert it to double first, so an integer
// stored in it (a default such as 3000) never meets integer division or
// overflow.

#include <cstdint>

namespace tamrel {

class Variant {
 public:
  enum class Kind : std::uint8_t { Empty, Int16, Single, Double };

  constexpr Variant() = default;
  constexpr Variant(std::int16_t v) : kind_(Kind::Int16), value_(v) {}                 // NOLINT
  constexpr Variant(float v) : kind_(Kind::Single), value_(static_cast<double>(v)) {}  // NOLINT
  constexpr Variant(double v) : kind_(Kind::Double), value_(v) {}                      // NOLINT
  // Any other type (int, long, bool ...) must be converted explicitly, so that
  // the stored kind is always a deliberate choice.
  template <class T>
  Variant(T) = delete;

  // A whole number stored as a 16-bit integer (the defaults' "integer values").
  static constexpr Variant Int(std::int16_t v) { return Variant(v); }

  constexpr Kind kind() const { return kind_; }
  constexpr bool empty() const { return kind_ == Kind::Empty; }
  constexpr double value() const { return value_; }
  constexpr operator double() const { return value_; }  // NOLINT

  // Same kind and same value (comparisons of values go through double).
  constexpr bool SameAs(const Variant& other) const {
    return kind_ == other.kind_ && value_ == other.value_;
  }

 private:
  Kind kind_ = Kind::Empty;
  double value_ = 0.0;  // an empty variant reads as 0
};

}  // namespace tamrel
