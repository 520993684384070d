#!/usr/bin/env bash
# Installs the Debian packages that building and testing need (--native: the
# native build only; --fuzz: the fuzz build only). As root it installs what is
# missing; otherwise it names the command to run.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev g++-mingw-w64-x86-64 wine)
case "${1:-}" in
  --native) packages=(cmake g++ make libgtest-dev libbenchmark-dev) ;;
  # The fuzz targets need clang with its fuzzing and sanitizer runtimes (and
  # the C++ library headers that g++ brings).
  --fuzz) packages=(cmake g++ make clang-14 libclang-rt-14-dev) ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
