#!/usr/bin/env bash
# Builds the fuzz preset and runs each fuzz target for the given number of
# seconds (default 60) on a fresh copy of its seed corpus. Fails when a target
# finds a crash, a hang, a sanitizer report or a memory blow-up; the input
# that caused it is left in build/fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh --fuzz

cmake --preset fuzz
cmake --build --preset fuzz

# The longest input worth trying: a whole problem file for the run, a read
# description and a few records for the reader.
declare -A maxLength=([run]=8192 [free_form_reader]=4096)
work=build/fuzz/findings
status=0
for name in run free_form_reader; do
  corpus="$work/$name/corpus"
  rm -rf "${work:?}/$name"
  mkdir -p "$corpus"
  cp tests/fuzz/corpus/"$name"/* "$corpus"/
  echo "== fuzz_$name for ${seconds}s"
  # -close_fd_mask=3: the run's diagnostics and pause messages would drown
  # the fuzzer's own output; sanitizer reports still reach the terminal.
  if ! build/fuzz/tests/fuzz/fuzz_"$name" "$corpus" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len="${maxLength[$name]}" -dict=tests/fuzz/free_form.dict \
      -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$work/$name/"; then
    echo "fuzz_$name failed; reproduce with: build/fuzz/tests/fuzz/fuzz_$name <input in $work/$name/>" >&2
    status=1
  fi
done
exit "$status"
