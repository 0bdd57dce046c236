#pragma once

// Identifiers of the program's resources (vypnuti.rc).
#define IDC_RUKA 101
#define IDI_VYPNUTI 100
