#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The program's own windows and its notification icon, as the scheduler sees them.

// The one-second timer of the warning window.
class CasovacOkna {
 public:
  virtual ~CasovacOkna() = default;
  virtual std::uintptr_t Zapni() = 0;  // 0 when the timer could not be set
  virtual void Vypni() = 0;
};

// The warning window: its look only; what it means for the schedule is the scheduler's.
class OknoUpozorneni {
 public:
  virtual ~OknoUpozorneni() = default;
  // Loads the hidden window, which brings the notification icon and the timer's owner with it.
  virtual void Nacti() = 0;
  // On top without taking the focus, the title in the label, the cancel button enabled or not, and a line
  // under the countdown when there is something more to say (empty: none).
  virtual void Ukaz(bool storno_povoleno, std::string_view poznamka) = 0;
  // Once the session is being ended there is nothing left to cancel.
  virtual void ZakazStorno() = 0;
  virtual void Schovej() = 0;
  virtual void NastavText(std::string_view text) = 0;  // the countdown label
  virtual void Ohlas() = 0;  // a screen reader is to read the label now
  // The system's warning sound: heard over a full-screen program that hides the window.
  virtual void Zazni() = 0;
};

// The icon in the notification area.
class IkonaListy {
 public:
  virtual ~IkonaListy() = default;
  virtual void NastavTip(std::string_view text) = 0;
  virtual std::string Tip() const = 0;
  // A balloon over the icon: something the user must hear of although no window is open.
  virtual void Bublina(std::string_view text) = 0;
  // What the shell says of the user now (its QUERY_USER_NOTIFICATION_STATE); 0 when it cannot say.
  virtual int StavUzivatele() = 0;
  virtual void Odeber() = 0;
  // Brings back an icon that Odeber took away; nothing when it is there.
  virtual void Vrat() = 0;
};

// System icons the status bar can show beside its text.
namespace ikona {
inline constexpr int Zadna = 0;
inline constexpr int Okna = 1;
inline constexpr int Aplikace = 32512;
inline constexpr int Vykricnik = 32515;
inline constexpr int Informace = 32516;
inline constexpr int Logo = 32517;
}  // namespace ikona

// The main window, while it is open (stav.HlavniOtevreno), and the way to open it.
class HlavniOkno {
 public:
  virtual ~HlavniOkno() = default;
  virtual void Otevri() = 0;  // loads and shows it, or brings the open window to the front
  virtual void UkazCas(std::string_view cas, std::string_view datum) = 0;
  virtual void StavovyRadek(std::string_view text, int ikona) = 0;
  // True while a button's hint occupies the status bar.
  virtual bool mmeActive() = 0;
  virtual void ZrusHint() = 0;
  // The schedule in force was changed from outside (a second start of the program): a closed editor
  // shows the new one, the status bar the text.
  virtual void PlanZvenku(std::string_view text) = 0;
};

// The program as a whole, and its one way to end: the schedule stored, the icon and the windows gone,
// the message loop left. The exit button, the end of the session and a close request all take it.
class Aplikace {
 public:
  virtual ~Aplikace() = default;
  virtual void Ukonci() = 0;
};
