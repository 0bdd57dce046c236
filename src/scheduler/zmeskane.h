#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "core/kalendar.h"

// A warning minute that passed without its warning: the computer slept through it, the clock was set
// past it, daylight saving time skipped it. Noticed on the tick, on a change of the clock and on
// resume: missed by at most 10 minutes, the warning starts at once with its whole minute; missed by
// more, a daily schedule moves on to its next day and a one-off one is forgotten, and a balloon over
// the tray icon says so.
void HlidejZmeskane();

// A countdown, or the action after it, that a sleep cut in two, pres after its end: a condition is
// watched anew (what held before the sleep need not hold after it), a moment counts as missed.
void PrerusenoSpankem(std::chrono::milliseconds pres);

// A daily schedule armed for its next moment: after an action, a cancel or a missed moment the first
// whose warning minute is still to come; after a day's watch of a condition ended (po_hlidani), the
// first whose watch has not.
void PrenesNaDalsiDen(bool po_hlidani = false);

// Something that did not happen, told in a balloon over the tray icon and in the status bar; a balloon
// that could not be seen now is kept for later (HlidejOdlozenouBublinu).
void OznamBublinou(const std::string& text);

// The balloon's words: what did not happen, when and why, and for a daily schedule when it comes next.
std::string TextZmeskani(Cas zmeskany, Cas ted, std::optional<Cas> pristi);

// A balloon shown while the shell reports this state of the user (QUERY_USER_NOTIFICATION_STATE)
// would be seen.
bool BublinuUvidi(int stav_uzivatele);

// A balloon about a missed moment that could not have been seen is kept, its text in the tooltip and
// the status bar; this shows it once it can be, on the tick.
void HlidejOdlozenouBublinu();
