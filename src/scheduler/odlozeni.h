#pragma once

// "Odložit o 10 minut", from the warning or the tray menu: the action comes 10 minutes after the press,
// as a postponement. What is stored and the autostart entries stay, so a daily schedule keeps its time
// tomorrow. It follows the cancel's rules: never with ";zs" (and so never in a from-to window), no
// password asked.

// While the warning counts down (or the programs are being closed after it), and cancelling is allowed.
bool OdlozeniMozne();
// The schedule in force as a postponement to 10 minutes from now; nothing when OdlozeniMozne is not.
void Odloz();
