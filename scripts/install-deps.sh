#!/usr/bin/env bash
# Installs the build and test tools on Debian 12, only those that are missing.
# Usage: install-deps.sh [--sanitize]
set -euo pipefail

packages=(build-essential cmake make libgtest-dev libgmock-dev libbenchmark-dev)
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

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
