#!/usr/bin/env bash
# Times whole runs of the release build of tensor3d on the largest problem it
# takes (kind 3, 20 directions given in both frames, two passes) against
# io_floor.c, a process that only reads the same data file and writes a file
# of the report's size in one write. Prints the mean times and their ratio,
# the instruction count of one run of each (callgrind, total Ir) and the peak
# memory of each (maximum resident set size). A third command, io_floor
# writing as many times as the report has records, shows what the program's
# record-by-record writes cost on their own.
#
# Usage: bench/run-benchmark.sh
#   TENSOR3D_BENCH_BUILD_DIR  build directory of the release preset
#                             (default: build/release)
#   TENSOR3D_BENCH_RUNS       timed runs of each command (default: 300)
set -euo pipefail
export LC_ALL=C

repository="$(cd "$(dirname "$0")/.." && pwd)"
build="${TENSOR3D_BENCH_BUILD_DIR:-$repository/build/release}"
runs="${TENSOR3D_BENCH_RUNS:-300}"

# The measuring tools, from the system's packages when missing.
missing=()
command -v hyperfine >/dev/null || missing+=(hyperfine)
command -v valgrind >/dev/null || missing+=(valgrind)
[[ -x /usr/bin/time ]] || missing+=(time)
if ((${#missing[@]} > 0)); then
  if [[ "$(id -u)" != 0 ]]; then
    echo "missing ${missing[*]}; install them as root (apt-get install ${missing[*]})" >&2
    exit 1
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

echo "== building tensor3d (release preset) in $build"
cmake --preset release -S "$repository" -B "$build" >/dev/null
cmake --build "$build" --target tensor3d -j2 >/dev/null
program="$build/tensor3d"

work="$(mktemp -d "${TMPDIR:-/tmp}/tensor3d-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT
cd "$work"

# The largest problem: a full stress tensor, the most directions a problem
# holds, alternately in the general and the principal axes, and the elastic
# constants for the second pass.
{
  printf 'PRUEBA DE RENDIMIENTO\n\n\n\n\n3\nunidades\nkPa\ntensor\n'
  printf '120.5 -40.25 35.0\n-40.25 80.75 -22.5\n35.0 -22.5 -60.125\n20\n'
  for ((i = 1; i <= 20; i++)); do
    frame=G
    ((i % 2 == 0)) && frame=P
    printf '%s %d.5 %d.25 %d.0\n' "$frame" $((i % 7 - 3)) $((i % 5 - 2)) $((i % 3 + 1))
  done
  printf 'constantes\n2.1E8 0.28\n'
} >datos.txt
printf 'datos.txt\nresultados.txt\n' >answers

"$program" <answers >/dev/null 2>&1 || {
  echo "tensor3d failed on the benchmark problem (status $?)" >&2
  exit 1
}
reportSize=$(stat -c %s resultados.txt)
records=$(grep -c $'\r' resultados.txt)
echo "== data file $(stat -c %s datos.txt) bytes, report $reportSize bytes, $records records"

cc -O2 -o io_floor "$repository/bench/io_floor.c"

echo "== hyperfine: whole processes, start to exit"
hyperfine --warmup 30 --runs "$runs" --export-csv times.csv \
  -n tensor3d "'$program' <answers >/dev/null 2>&1" \
  -n io_floor "./io_floor datos.txt floor.txt $reportSize" \
  -n io_floor-per-record "./io_floor datos.txt floor.txt $reportSize $records"
awk -F, '
  NR > 1 { mean[$1] = $2; median[$1] = $4 }
  END {
    count = split("tensor3d io_floor io_floor-per-record", names, " ")
    for (i = 1; i <= count; i++) {
      name = names[i]
      printf "%-20s mean %7.1f us, median %7.1f us\n", name, mean[name] * 1e6, median[name] * 1e6
    }
    printf "ratio of the means tensor3d / io_floor: %.2f\n", mean["tensor3d"] / mean["io_floor"]
    printf "ratio of the means tensor3d / io_floor-per-record: %.2f\n",
      mean["tensor3d"] / mean["io_floor-per-record"]
  }' times.csv

echo "== callgrind: instructions of one run (total Ir)"
valgrind --tool=callgrind --callgrind-out-file=tensor3d.callgrind \
  "$program" <answers >/dev/null 2>valgrind-tensor3d.txt
valgrind --tool=callgrind --callgrind-out-file=io_floor.callgrind \
  ./io_floor datos.txt floor.txt "$reportSize" 2>valgrind-io_floor.txt
for name in tensor3d io_floor; do
  printf '%-9s %s Ir\n' "$name" "$(awk '/^(summary|totals):/ { print $2; exit }' $name.callgrind)"
done

echo "== peak memory (maximum resident set size)"
/usr/bin/time -v "$program" <answers >/dev/null 2>time-tensor3d.txt
/usr/bin/time -v ./io_floor datos.txt floor.txt "$reportSize" 2>time-io_floor.txt
for name in tensor3d io_floor; do
  printf '%-9s %s kB\n' "$name" \
    "$(awk -F': ' '/Maximum resident set size/ { print $2 }' time-$name.txt)"
done
