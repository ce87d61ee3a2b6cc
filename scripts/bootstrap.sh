#!/usr/bin/env bash
# Installs the Debian packages the given targets need; only what is missing.
# Usage: scripts/bootstrap.sh [run] [test] [bench] [fuzz]
set -euo pipefail

pkgs=(build-essential cmake make pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n
      libgl-dev fonts-liberation2 fontconfig)
for target in "$@"; do
  case "$target" in
    run)   pkgs+=(libqt6svg6) ;;
    test)  pkgs+=(xvfb shapelib python3-dbfread poppler-utils cups printer-driver-cups-pdf) ;;
    bench) pkgs+=(libbenchmark-dev) ;;
    fuzz)  pkgs+=(clang libclang-rt-dev) ;;
    *) echo "bootstrap: unknown target '$target'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
