#pragma once
// The display-pattern formatter as it was before its fast rewrite, kept here
// only as the reference the program's formatter is compared with.

#include <string>
#include <string_view>

#include "calc/format.h"

namespace tamrel::reference {

std::string FormatNumber(double value, std::string_view pattern, char decimalSign,
                         Precision precision);

}  // namespace tamrel::reference
