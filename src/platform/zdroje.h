#pragma once

// Identifiers of the program's resources (src/app/vypnuti.rc). They live here, at the bottom, because
// the layers above the platform name them too: the input box of the dialog port, the windows' icon
// and hand cursor.
#define IDI_VYPNUTI 100
#define IDC_RUKA 101

// The input box: the prompt, the line the user types into.
#define IDD_VSTUP 200
#define IDC_VYZVA 201
#define IDC_VSTUP 202
