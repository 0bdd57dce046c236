#!/usr/bin/env bash
# Writes tests/native/korpus_parametru.tsv: what the parser of commit 3d4750f, the last build before
# ";dny", ";po", ";klid" and ";necinnost", made of each string of tests/native/korpus_parametru.txt.
# korpus_test.cpp holds today's parser to it. Run it again after adding strings to the corpus.
# The old build is checked out beside this repository (KORPUS_STROM) and removed again, unless it
# was there before.
set -euo pipefail
cd "$(dirname "$0")/.."
koren=$PWD
commit=3d4750f
strom=${KORPUS_STROM:-$(dirname "$koren")/korpus-$commit}
build=$koren/build/korpus

if [ ! -e "$strom" ]; then
  git worktree add --quiet --detach "$strom" "$commit"
  trap 'git -C "$koren" worktree remove --force "$strom"' EXIT
fi
[ "$(git -C "$strom" rev-parse --short=7 HEAD)" = "$commit" ] || { echo "$strom is not at $commit" >&2; exit 1; }

# The portable logic of that commit, as its CMakeLists.txt chose it, in one archive: the recorder takes
# from it only what the parser and that commit's fake world (its tests/native) reach.
rm -rf "$build" && mkdir -p "$build/obj"
sed -e 's/@VYPNUTI_VERZE@/0.0.0.0/' -e 's/@VYPNUTI_VERZE_CISLA@/0, 0, 0, 0/' "$strom/src/core/verze.h.in" >"$build/verze.h"
flags=(-std=c++20 -O1 -Wall -Wextra -Wpedantic -I"$strom/src" -I"$build")
bezi=0
while read -r zdroj; do
  g++ "${flags[@]}" -c "$strom/src/$zdroj" -o "$build/obj/${zdroj//\//_}.o" &
  if ((++bezi >= 2)); then wait -n; ((bezi--)); fi
done < <(cd "$strom/src" && find . -name '*.cpp' ! -name '*_win.cpp' ! -path './platform/win32/*' ! -path './app/*' | sed 's|^\./||')
while ((bezi-- > 0)); do wait -n; done
ar rcs "$build/stara_logika.a" "$build"/obj/*.o
g++ "${flags[@]}" -I"$strom/tests/native" -I"$koren/tests/native" tools/korpus/zaznam.cpp "$build/stara_logika.a" -o "$build/zaznam"
"$build/zaznam" <tests/native/korpus_parametru.txt >tests/native/korpus_parametru.tsv
echo "$(wc -l <tests/native/korpus_parametru.tsv) strings, $(grep -cv $'\tOdmitnuto$' tests/native/korpus_parametru.tsv) taken by $commit"
