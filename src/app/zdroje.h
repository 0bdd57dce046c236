#pragma once

// Identifiers of the program's resources (vypnuti.rc).
#define IDC_RUKA 101
