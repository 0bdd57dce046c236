#include "ui/main_window/frmkzhlavni_win.h"

// There is no main window to load yet, so HlavniOtevreno stays 0 and nothing reaches the two below.
void frmkzhlavni::Otevri() {}
void frmkzhlavni::UkazCas(std::string_view, std::string_view) {}
void frmkzhlavni::StavovyRadek(std::string_view, int) {}
