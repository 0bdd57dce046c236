#pragma once

#include <string_view>

#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/win32/cinnost_win.h"
#include "platform/win32/napajeni_win.h"
#include "platform/win32/okna_procesu_win.h"
#include "platform/win32/plocha_win.h"
#include "platform/win32/probouzeni_win.h"
#include "platform/win32/relace_win.h"
#include "platform/win32/schranka_win.h"
#include "platform/win32/shell_win.h"
#include "platform/win32/uloziste_win.h"
#include "platform/win32/zakladni_porty_win.h"
#include "platform/win32/zasady_win.h"
#include "scheduler/planovac_programu.h"
#include "system/clsosgv.h"
#include "ui/main_window/frmkzhlavni_win.h"
#include "ui/warning/frmkzupozorneni_win.h"

// The whole program in one object. Its members are declared in the order they depend on each other:
// the ports, then the system information (whose probe may show a box), then the windows, which call
// all of them. C++ destroys members in reverse, so whatever a window still calls outlives it; and the
// end path runs once, before anything is destroyed.
class Program final : public Aplikace {
 public:
  Program() = default;
  ~Program() override;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Start-up, the message loop and the end; returns the process's exit code.
  int Bez(std::string_view argument);
  void Ukonci() override;

 private:
  int SmyckaZprav();

  HodinyWin hodiny_;
  DialogyWin dialogy_;
  MistniWin mistni_;
  UlozisteWin uloziste_;
  NapajeniWin napajeni_;
  OknaProcesuWin okna_procesu_;
  SpoustecWin spoustec_;
  PlochaWin plocha_;
  SchrankaWin schranka_;
  ProbouzeniWin probouzeni_;
  CinnostWin cinnost_;
  RelaceWin relace_;
  ZasadyWin zasady_;
  PlanovacProgramu planovac_;
  Pripojeni<Hodiny> hodiny_port_{hodiny_};
  Pripojeni<Dialogy> dialogy_port_{dialogy_};
  Pripojeni<Mistni> mistni_port_{mistni_};
  Pripojeni<Uloziste> uloziste_port_{uloziste_};
  Pripojeni<Napajeni> napajeni_port_{napajeni_};
  Pripojeni<OknaProcesu> okna_procesu_port_{okna_procesu_};
  Pripojeni<Spoustec> spoustec_port_{spoustec_};
  Pripojeni<Plocha> plocha_port_{plocha_};
  Pripojeni<Schranka> schranka_port_{schranka_};
  Pripojeni<Probouzeni> probouzeni_port_{probouzeni_};
  Pripojeni<Cinnost> cinnost_port_{cinnost_};
  Pripojeni<Relace> relace_port_{relace_};
  Pripojeni<Zasady> zasady_port_{zasady_};
  Pripojeni<Planovac> planovac_port_{planovac_};

  clsosgv osgv_;
  Pripojeni<InfoSystemu> osgv_port_{osgv_};

  frmkzupozorneni upozorneni_;
  frmkzhlavni hlavni_;
  Pripojeni<OknoUpozorneni> upozorneni_port_{upozorneni_};
  Pripojeni<CasovacOkna> casovac_port_{upozorneni_};
  Pripojeni<IkonaListy> ikona_port_{upozorneni_.Ikona()};
  Pripojeni<HlavniOkno> hlavni_port_{hlavni_};
  Pripojeni<Aplikace> aplikace_port_{*this};

  bool ukonceno_ = false;
};
