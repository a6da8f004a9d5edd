#!/usr/bin/env bash
# Installs the build and test tools on Debian 12, only those that are missing.
# Usage: install-deps.sh [--sanitize]
set -euo pipefail

packages=(build-essential cmake make libgtest-dev libgmock-dev libbenchmark-dev locales)
# --sanitize: the compiler and runtimes of the sanitizer and fuzzing build.
if [ "${1:-}" = "--sanitize" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg -s "$package" >/dev/null 2>&1; then
    missing+=("$package")
  fi
done

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, so the tests can show that files are still written with points.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "de_DE.UTF-8 not available; the comma-locale tests will be skipped"
fi
