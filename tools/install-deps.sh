#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing, and the Czech
# locale that Wine takes the user's language from.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev
          g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth imagemagick locales nsis faketime
          python3-yaml python3-jsonschema python3-xmlschema osslsigncode openssl)
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# Our users are Czech: the windows, their dates and the message boxes' buttons are tested in Czech.
if ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf-\?8$'; then
  "${sudo_cmd[@]}" sed -i 's/^# *\(cs_CZ\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
