#include "zaklad.h"

#include "falesne_porty.h"
#include "scheduler/kontrola.h"

namespace {

constexpr int Nehnut = -1;  // the caret as the test leaves it: an accepted entry must not move it

struct Pripad {
  const char* vstup;
  bool prijato;
  const char* text;  // the box afterwards
  int kurzor;
  std::string zprava;  // the one message box; empty: none
  unsigned styl = styl::Vykricnik;
  int odpoved = odpoved::Ano;  // to a question
};

struct Kontroly : ::testing::Test {
  // The answer, the box's text and caret afterwards, and the message box: compared as one line.
  void Over(bool (*kontrola)(PoleVstupu&), const char* titulek, const Pripad& p) {
    porty.dialogy.zpravy.clear();
    porty.dialogy.odpovedi = {p.odpoved};
    PoleVstupu pole{p.vstup, Nehnut};
    std::string radek = std::to_string(kontrola(pole));
    radek += " " + pole.text + " " + std::to_string(pole.kurzor);
    for (const auto& z : porty.dialogy.zpravy)
      radek += " | " + z.text + " | " + z.titulek + " " + std::to_string(z.styl);
    EXPECT_EQ(radek, std::to_string(p.prijato) + " " + p.text + " " + std::to_string(p.kurzor) +
                         (p.zprava.empty() ? "" : " | " + p.zprava + " | " + titulek + " " + std::to_string(p.styl)))
        << p.vstup;
  }

  // Today is 4 December 2026.
  FalesnePorty porty;
};

const std::string Pohrali = "Už jste si pohráli ? Upravte číselnou hodnotu ";
const std::string Dopln = "Doplňte prosím ";

TEST_F(Kontroly, Cas) {
  const std::string MocMinut = "Povolený počet minut je max. 525600 minut!";
  const Pripad pripady[] = {
      {"", true, "", Nehnut, ""}, {"7:5", true, "7:5", Nehnut, ""}, {"23:59", true, "23:59", Nehnut, ""},
      {"24:00", false, "24:00", 0, Pohrali + "hodiny."}, {"-1:00", false, "-1:00", 0, Pohrali + "hodiny."},
      {"007:00", false, "007:00", 0, Pohrali + "hodiny."},  // a valid value, but too long
      {":30", false, ":30", 0, Dopln + "hodinu."}, {"ab:30", false, ":30", 0, Dopln + "hodinu."},
      {"12:", false, "12:", 3, Dopln + "minuty."}, {"12:x", false, "12:", 3, Dopln + "minuty."},
      {"12:60", false, "12:60", 3, Pohrali + "minut."}, {"7:005", false, "7:005", 2, Pohrali + "minut."},
      {"525600,5", true, "525600,5", Nehnut, ""},  // the half goes to the even 525600
      {"525601", false, "525601", 0, MocMinut}, {"-525601", false, "-525601", 0, MocMinut},
      {"1.5", false, "1.5", 0, ""},  // not a number with the Czech decimal comma
  };
  for (const auto& p : pripady) Over(KontrolaCasu, "Čas", p);
  porty.mistni.oddelovac = ".";
  Over(KontrolaCasu, "Čas", {"1.5", true, "1.5", Nehnut, ""});
  Over(KontrolaCasu, "Čas", {"1,5", false, "1,5", 0, ""});
}

std::string Otazka(const char* den) {
  return std::string("Zadávané datum ") + den + ".prosince je vyšší než datum dnešní 4.prosince.\r\n"
         "Přejete si doplnit aktuální rok 2026. V opačném případě bude doplněn rok předešlý.";
}

std::string Unor(const char* rok) {
  return std::string("V roce ") + rok + " má únor 28 dní.\r\nDatum bude automaticky upraveno.";
}

TEST_F(Kontroly, Datum) {
  const std::string MocDni = "Povolený počet dní je max. 365 dní!";
  const std::string DelkaRoku =
      "Nejmenší zadatelný rok je 100.\r\nNejvětší zadatelný rok je 9999.\r\n\r\nUpravte prosím číselnou hodnotu roku.";
  const Pripad pripady[] = {
      {"", true, "", Nehnut, ""}, {"-4", true, "30.11.2026", Nehnut, ""}, {"365", true, "4.12.2027", Nehnut, ""},
      {"366", false, "", 0, MocDni}, {"-366", false, "", 0, MocDni},
      {"abcde", false, "", 0, MocDni},  // five characters are too many days, whatever they say
      {"žluť", false, "", 0, ""},       // four characters, though more bytes
      {".5.2027", false, ".5.2027", 0, Dopln + "den."}, {"x.5.2027", false, ".5.2027", 0, Dopln + "den."},
      {"5..2027", false, "5..2027", 2, Dopln + "měsíc."}, {"5.x.2027", false, "5..2027", 2, Dopln + "měsíc."},
      {"5.x", false, "5.", 2, Dopln + "měsíc."}, {"15.0.2027", false, "15.0.2027", 3, Pohrali + "měsíce."},
      {"31.4.2027", false, "31.4.2027", 0, Pohrali + "dne."}, {"30.2.2028", false, "30.2.2028", 0, Pohrali + "dne."},
      {"10.12.", false, "10.12.", 6, Dopln + "rok."}, {"10.12.x", false, "10.12.", 6, Dopln + "rok."},
      {"1.1.99", false, "1.1.99", 4, DelkaRoku, styl::Informace},
      {"1.3", true, "1.3.2026", Nehnut, ""}, {"4.12", true, "4.12.2026", Nehnut, ""},  // not later than today
      {"25.12", true, "25.12.2026", Nehnut, Otazka("25"), styl::AnoNe | styl::Otaznik},
      {"25.12", true, "25.12.2025", Nehnut, Otazka("25"), styl::AnoNe | styl::Otaznik, odpoved::Ne},
      {"5.12", true, "5.12.2025", Nehnut, Otazka("5"), styl::AnoNe | styl::Otaznik, odpoved::Ne},
      {"1.1.0999", true, "1.1.0999", Nehnut, ""}, {"29.2.2028", true, "29.2.2028", Nehnut, ""},
      {"29.2.2027", true, "28.2.2027", Nehnut, Unor("2027"), styl::Informace},
      {"29.2.2100", true, "28.2.2100", Nehnut, Unor("2100"), styl::Informace},
      {"28.2.2027", true, "28.2.2027", Nehnut, ""}, {"29.2.9e9", false, "29.2.", 5, Dopln + "rok."},
      {"29.2", true, "28.2.2026", Nehnut, Unor("2026"), styl::Informace},
  };
  for (const auto& p : pripady) Over(KontrolaData, "Datum", p);
}

}  // namespace
