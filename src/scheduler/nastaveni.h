#pragma once

#include <string>
#include <string_view>

// Keeps the parameter string in force for the next start, or forgets it, as the schedule state says.
void UlozNastaveni();

// The command line that starts the program with a stored parameter string.
std::string PrikazAutostartu(std::string_view cesta_programu, std::string_view ulozeny_tvar);
