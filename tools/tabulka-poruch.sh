#!/usr/bin/env bash
# Runs the tests that stand for each fault the program must survive and writes docs/poruchy.md: the
# fault, what the program does about it, the tests, and whether they held; then the latest fuzzing
# figures (build/fuzz-figures.txt, from tools/fuzz.sh). Builds what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
for preset in native win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done
source tools/wine-env.sh
vypnuti_wine_ready

# fault | what the program does | native tests | Wine tests (gtest names, ':' between them)
rows=(
  "The computer slept through the warning minute, woken up to 10 minutes later|The warning comes at once, with its whole minute to cancel|Zmeskane.SpankemPresMinutuVarovani|"
  "Woken more than 10 minutes later|A one-off schedule is forgotten, a daily one moves to its next day; a balloon says what did not happen and why|Zmeskane.SpankemPresMinutuVarovani|"
  "The clock set forward over the moment; the hour daylight saving skips|No time went by: the warning comes at once|Zmeskane.PosunyHodin|"
  "The clock set back over the moment; the hour daylight saving repeats|The action comes once, not twice|Zmeskane.PosunyHodin|"
  "The clock set back during the countdown|The countdown ends on time, by the steady clock|Zmeskane.OdpocetBeziPoOpravdovemCase|"
  "A moment that has passed, in the tooltip|Never a negative count|Zmeskane.TipNikdyNepocitaZaporne|"
  "A daily sleep or lock, the program running on|Armed again for the next day|Zmeskane.DenniSpanekAZamceniZnovu|"
  "The computer asleep when a shut-down or restart is due|A wake timer set to the warning minute, moved and cancelled with the schedule|Zmeskane.ProbuzeniSeSchematem|"
  "A damaged stored string|Removed with both autostart values after one message; the command line counts again|Start.PoskozenyUlozenyRetezecZmiziJednou|Program_e2e.PoskozenyUlozenyRetezecZmiziJednou"
  "TaskbarCreated from any program while the icon is there|The icon stays, is updated and removed at the end|-|Program_e2e.KonecZvenkuUlozi"
  "The notification area gone and back|The icon comes back with it|-|Program_e2e.KonecZvenkuUlozi"
  "The process killed in the middle of a countdown|The store and the Run entries bring the schedule back at the next start|-|Program_e2e.ZabityUprostredOdpoctuSeVrati"
  "WM_QUIT from outside; an installer's close request (ENDSESSION_CLOSEAPP)|The program ends cleanly, its icon gone, its schedule stored|-|Program_e2e.KonecZvenkuUlozi"
  "An action without a time given with \";kd\"|Carried out once; the store and the autostart entries stay as they were|AkceHned.NechaUlozisteJakBylo|Program_e2e.AkceHnedSeNeulozi"
  "An activation the parser refuses|The schedule in force stays armed; an immediate action runs once|Editor.Aktivace|"
)

native=$(printf '%s\n' "${rows[@]}" | cut -d'|' -f3 | grep -v '^-$' | grep -v '^$' | sort -u | paste -sd: -)
wine_tests=$(printf '%s\n' "${rows[@]}" | cut -d'|' -f4 | grep -v '^$' | tr ':' '\n' | sort -u | paste -sd: -)
results=$( (build/native/testy_nativni --gtest_filter="$native" || true; \
            cd build/win64 && ../../tools/wine-run testy_win32.exe --gtest_filter="$wine_tests" || true) 2>&1 |
          sed -n 's/^\[ *\(OK\|FAILED\) *\] \([A-Za-z0-9_.]*\) (.*/\1 \2/p')
held() { # "yes" when every test of the list passed
  local test ok=yes
  for test in $(tr ':' ' ' <<<"$1"); do
    [ "$test" = - ] && continue
    grep -qx "OK $test" <<<"$results" || ok=NO
  done
  echo "$ok"
}

out=docs/poruchy.md
{
  echo "# Faults and what survived them"
  echo
  echo "Written by \`tools/tabulka-poruch.sh\` on $(date +%Y-%m-%d), from the tests named in each row."
  echo
  echo "| Fault | What the program does | Tests | Held |"
  echo "|---|---|---|---|"
  for row in "${rows[@]}"; do
    IFS='|' read -r fault does native_row wine_row <<<"$row"
    tests=$(printf '%s %s' "$native_row" "$wine_row" | tr ':' ' ' | xargs -n1 | grep -v '^-$' | sed 's/.*/`&`/' | paste -sd, - | sed 's/,/, /g')
    echo "| $fault | $does | $tests | $(held "$native_row:$wine_row") |"
  done
  echo
  echo "## Fuzzing"
  echo
  echo "Random input into the parameter parser, the stored-form decoder and the date and time entry checks,"
  echo "under AddressSanitizer and UndefinedBehaviorSanitizer (\`tools/fuzz.sh SECONDS\`):"
  echo
  if [ -s build/fuzz-figures.txt ]; then sed 's/^/- /' build/fuzz-figures.txt; else echo "- (no run yet)"; fi
} >"$out"
echo "$out"
if grep -q '| NO |' "$out"; then echo "some rows did not hold"; exit 1; fi
