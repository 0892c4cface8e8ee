#include "calc/var_ref.h"

#include "calc/format.h"
#include "calc/numeric.h"

namespace tamrel {

double VarRef::Get(const DesignState& ds) const {
  switch (kind_) {
    case VarKind::Number: return (ds.*number_).value();
    case VarKind::Single: return static_cast<double>(ds.*single_);
    case VarKind::Int16: return static_cast<double>(ds.*integer_);
    case VarKind::None: break;
  }
  return 0.0;
}

Variant VarRef::GetVariant(const DesignState& ds) const {
  switch (kind_) {
    case VarKind::Number: return ds.*number_;
    case VarKind::Single: return Variant(ds.*single_);
    case VarKind::Int16: return Variant(ds.*integer_);
    case VarKind::None: break;
  }
  return {};
}

void VarRef::Set(DesignState& ds, const Variant& v) const {
  switch (kind_) {
    case VarKind::Number: ds.*number_ = v; break;
    case VarKind::Single: ds.*single_ = Sng(v.value()); break;
    case VarKind::Int16: ds.*integer_ = static_cast<std::int16_t>(v.value()); break;
    case VarKind::None: break;
  }
}

std::string VarRef::Format(const DesignState& ds, std::string_view pattern) const {
  switch (kind_) {
    case VarKind::Number: return FormatNumber(ds.*number_, pattern, DecimalSign(ds));
    case VarKind::Single: return FormatNumber(ds.*single_, pattern, DecimalSign(ds));
    case VarKind::Int16: return FormatNumber(Variant(ds.*integer_), pattern, DecimalSign(ds));
    case VarKind::None: break;
  }
  return {};
}

}  // namespace tamrel
