#!/usr/bin/env bash
# Builds the program and runs it on a bundled example problem: the console
# dialogue is answered from here, and the report is shown afterwards.
# Usage: scripts/run-example.sh [examples/<problem>.txt]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --native

cmake --preset release >/dev/null
cmake --build --preset release --target tensor3d >/dev/null

problem="${1:-examples/esfuerzos_con_conversion.txt}"
workdir=$(mktemp -d)
cp "$problem" "$workdir/datos.txt"
cd "$workdir"
echo "\$ tensor3d    (answers: datos.txt, resultados.txt)"
printf 'datos.txt\nresultados.txt\n' | "$OLDPWD/build/release/tensor3d"
echo "exit status: $?"
echo "----- resultados.txt (Windows-1252, shown as UTF-8) -----"
iconv -f WINDOWS-1252 -t UTF-8 resultados.txt | tr -d '\r'
