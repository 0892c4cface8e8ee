#include "mainwindow/input_fields.h"

namespace tamrel {

namespace {

using DS = DesignState;
using K = FieldSpec::Kind;

constexpr RangeTest kNone{nullptr, nullptr, false};

bool YieldOut(double fy) {
  return fy < 50 || fy > 2000;
}

// Every bound is strict: the bound itself passes. Values are compared as
// stored (a typed "0.1" is the single nearest 0.1, which passes 0.1).
const FieldSpec kFields[] = {
    {"iufb",
     &DS::UF,
     "#0.00",
     {{{[](const DS& d) { return d.UF < 0.5 || d.UF > 1.5; }, " 0.5 < UF < 1.5 ", true}, kNone}},
     K::UsageFactor},
    {"icylr", &DS::cylr, "#00", {{kNone, kNone}}},
    {"il",
     &DS::ringspacing,
     "#00",
     {{{[](const DS& d) { return d.ringspacing < 50; }, " l >= 50 ", false}, kNone}}},
    {"it",
     &DS::cylt,
     "#0.0",
     {{{[](const DS& d) { return d.cylt < 0.1; }, " 0.1 <= t ", true}, kNone}}},
    {"ie", &DS::emod, "0.00E+0", {{kNone, kNone}}, K::Modulus},
    {"ifyp",
     &DS::fyp,
     "#00",
     {{{[](const DS& d) { return YieldOut(d.fyp); }, " 50 <= fyp <= 2000 ", true}, kNone}}},
    {"is1",
     &DS::stiffspacing,
     "#00",
     {{{[](const DS& d) { return d.stiffspacing < 10; }, " 10 <= s   ", true},
       {[](const DS& d) { return d.stiffspacing > static_cast<double>(d.cylr); }, " s  <= r  ",
        false}}}},
    {"ilt",
     &DS::stifflt,
     "#00",
     {{{[](const DS& d) { return d.stifflt < 50; }, " 50 <= lt ", true}, kNone}}},
    {"ifys",
     &DS::fys,
     "#00",
     {{{[](const DS& d) { return YieldOut(d.fys); }, " 50 <= fys <= 2000 ", true}, kNone}}},
    {"icyll",
     &DS::cyll,
     "#00",
     {{{[](const DS& d) { return d.cyll < 50; }, " L >= 50  ", true},
       {[](const DS& d) { return d.cyll < d.ringspacing; }, " L >= l  ", true}}}},
    {"igilt", &DS::ringlt, "#00", {{kNone, kNone}}, K::TrippingLength},
    {"ifyg",
     &DS::fyg,
     "#00",
     {{{[](const DS& d) { return YieldOut(d.fyg); }, " 50 <= fys <= 2000 ", true}, kNone}}},
    {"isigx", &DS::Sigx, "##0.0", {{kNone, kNone}}},
    {"isigy", &DS::Sigy, "##0.0", {{kNone, kNone}}},
    {"itau", &DS::Tau, "##0.0", {{kNone, kNone}}},
    {"ipp", &DS::pd, "##0.000", {{kNone, kNone}}},
    {"icolL",
     &DS::cyll,
     "#00",
     {{{[](const DS& d) { return d.cyll < 50; }, " L >= 50  ", true}, kNone}}},
    {"ik1",
     &DS::k1,
     "#0.00",
     {{{[](const DS& d) { return d.k1 < 0.2; }, " k1 >= 0.2  ", true}, kNone}}},
    {"ik2",
     &DS::k2,
     "#0.00",
     {{{[](const DS& d) { return static_cast<double>(d.k2) < 0.2; }, " k2 >= 0.2  ", true},
       kNone}}},
    {"inn", &DS::naxial, "#0.0", {{kNone, kNone}}},
    {"ip", &DS::pd, "#0.000", {{kNone, kNone}}},
    {"im1a", &DS::M1a, "#0.0", {{kNone, kNone}}},
    {"im1b", &DS::M1b, "#0.0", {{kNone, kNone}}},
    {"im2a", &DS::M2a, "#0.0", {{kNone, kNone}}},
    {"im2b", &DS::M2b, "#0.0", {{kNone, kNone}}},
};

}  // namespace

std::span<const FieldSpec> NumericFields() {
  return kFields;
}

const FieldSpec* FindField(std::string_view name) {
  for (const FieldSpec& f : kFields) {
    if (name == f.name) return &f;
  }
  return nullptr;
}

}  // namespace tamrel
