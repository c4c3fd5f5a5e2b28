#!/usr/bin/env bash
# Installs the Debian packages Velmora needs, only those that are missing.
# Uses sudo when not run as root.
set -euo pipefail

packages=(qt6-base-dev qt6-translations-l10n cmake ninja-build g++ libgtest-dev zlib1g-dev
          fonts-liberation2
          # The printing tests check the PDF files they write.
          poppler-utils qpdf)
# Optional: the word processor that one test uses to check that letters written
# here open as intended elsewhere (the test is skipped without it).
if [ "${VELMORA_WITH_SOFFICE:-0}" = 1 ]; then
    packages+=(libreoffice-writer-nogui)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installation des paquets manquants : ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
