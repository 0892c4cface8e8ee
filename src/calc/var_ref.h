#pragma once
// A numeric variable of the design state, whichever of the three numeric
// kinds it has: a variant, a single or a 16-bit code. It reads as a double
// and stores a variant value converted to the variable's kind, so that input
// boxes, the project file, the built-up sets and the tools share one way of
// naming a variable.

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/design_state.h"

namespace tamrel {

enum class VarKind : std::uint8_t { None, Int16, Single, Number };

class VarRef {
 public:
  constexpr VarRef() = default;
  constexpr VarRef(Variant DesignState::*m) : kind_(VarKind::Number), number_(m) {}       // NOLINT
  constexpr VarRef(float DesignState::*m) : kind_(VarKind::Single), single_(m) {}         // NOLINT
  constexpr VarRef(std::int16_t DesignState::*m) : kind_(VarKind::Int16), integer_(m) {}  // NOLINT

  constexpr VarKind kind() const { return kind_; }
  constexpr explicit operator bool() const { return kind_ != VarKind::None; }
  constexpr bool operator==(const VarRef&) const = default;

  // The variable itself, or nullptr when it is of another kind.
  Variant* Number(DesignState& ds) const { return number_ ? &(ds.*number_) : nullptr; }
  float* Single(DesignState& ds) const { return single_ ? &(ds.*single_) : nullptr; }
  std::int16_t* Int16(DesignState& ds) const { return integer_ ? &(ds.*integer_) : nullptr; }
  const Variant* Number(const DesignState& ds) const { return number_ ? &(ds.*number_) : nullptr; }
  const float* Single(const DesignState& ds) const { return single_ ? &(ds.*single_) : nullptr; }
  const std::int16_t* Int16(const DesignState& ds) const {
    return integer_ ? &(ds.*integer_) : nullptr;
  }

  // The value as a double (0 for no variable).
  double Get(const DesignState& ds) const;
  // The value as a variant of the variable's kind (a single reads as Single,
  // a code as Int16).
  Variant GetVariant(const DesignState& ds) const;
  // Stores v: a variant variable takes it with its kind, a single rounds
  // it to single precision, a code takes its whole part.
  void Set(DesignState& ds, const Variant& v) const;
  // The value in a display pattern at its own precision, locale decimal sign.
  std::string Format(const DesignState& ds, std::string_view pattern) const;

 private:
  VarKind kind_ = VarKind::None;
  Variant DesignState::*number_ = nullptr;
  float DesignState::*single_ = nullptr;
  std::int16_t DesignState::*integer_ = nullptr;
};

}  // namespace tamrel
