#pragma once

#include <string_view>

// The argument text of a command line: everything after the program's name, whether that name is in
// quotation marks or not, without the blanks that separate it. The rest is kept exactly as it is.
std::string_view TextArgumentu(std::string_view prikazovy_radek);
