#!/usr/bin/env bash
# Runs the real program on one end-to-end case and compares the exact bytes of
# the results file, standard output, standard error and the exit status with
# the case's expected files.
#
# Usage:
#   run_case.sh [--regenerate] <posix|windows> <case-dir>... -- <command...>
# <command...> starts the program: the executable, or the emulator and the
# executable on the Windows leg.
#
# A case directory holds:
#   answers          what standard input carries (absent: empty input)
#   example          the name of a file of examples/, copied as datos.txt
#   files/           files copied into the fresh working directory
#   setup            shell commands run in the working directory first
#   interrupt-after  text that standard output shows once the program waits
#                    in its pause; the program then gets SIGINT
#   interrupt-signal the signal sent instead of SIGINT (QUIT or HUP)
#   file-size-limit  the largest file the program may write, in KiB: a write
#                    beyond it fails (EFBIG, the signal SIGXFSZ being ignored)
#   posix-only, windows-skip
#                    the reason why the case cannot run on the Windows leg
#   expected/status, expected/stdout, expected/stderr
#                    what the run must give; in stderr and stdout the working
#                    directory reads @DIR@ and, on the Windows leg, a
#                    backslash in a path reads as a slash and every console
#                    line ends with CR LF where the file shows LF
#   expected/stdout.windows, expected/stderr.windows
#                    replace stdout and stderr on the Windows leg
#   expected/results the report (results file resultados.txt); when absent,
#                    no resultados.txt may exist after the run
# Every file copied into the working directory other than resultados.txt must
# be unchanged after the run.
#
# --regenerate rewrites the expected files of the given cases from the actual
# output of a native run (posix only). Use it only after checking the new
# output by hand, for example after a change of the analysis:
#   tests/driver/run_case.sh --regenerate posix tests/driver/cases/* -- build/<dir>/tensor3d
set -uo pipefail
export LC_ALL=C

regenerate=false
if [[ "${1:-}" == "--regenerate" ]]; then
  regenerate=true
  shift
fi
flavor="$1"
shift
cases=()
while [[ $# -gt 0 && "$1" != "--" ]]; do
  cases+=("$1")
  shift
done
shift
program=("$@")
# The program runs in a working directory of its own.
for index in "${!program[@]}"; do
  if [[ "${program[index]}" == */* && -e "${program[index]}" ]]; then
    program[index]="$(cd "$(dirname "${program[index]}")" && pwd)/${program[index]##*/}"
  fi
done
repository="$(cd "$(dirname "$0")/../.." && pwd)"
if $regenerate && [[ "$flavor" != posix ]]; then
  echo "regeneration runs natively only" >&2
  exit 2
fi

# Console output as the expected files show it.
normalise() {
  local file="$1" work="$2" stream="$3" content
  # The x keeps the trailing line ends from the command substitution.
  content="$(cat "$file"; printf x)"
  content="${content%x}"
  if [[ "$flavor" == windows ]]; then
    local windowsWork="Z:${work//\//\\}"
    content="${content//"$windowsWork"/@DIR@}"
    content="${content//\\//}"
    if [[ "$stream" == stderr ]]; then
      local bare="${content//$'\r\n'/}"
      if [[ "$bare" == *$'\n'* ]]; then
        echo "a line of standard error does not end with CR LF" >&2
        return 1
      fi
      content="${content//$'\r\n'/$'\n'}"
    fi
  else
    content="${content//"$work"/@DIR@}"
  fi
  printf '%s' "$content"
}

# Starts the program, interrupts it once `marker` shows on standard output,
# and leaves its exit status in `status`.
run_interrupted() {
  local marker="$1" signal="$2" answers="$3"
  mkfifo input
  "${program[@]}" <input >stdout 2>stderr &
  local pid=$!
  exec 3>input
  [[ -f "$answers" ]] && cat "$answers" >&3
  local tries=0
  until grep -qF "$marker" stdout 2>/dev/null; do
    tries=$((tries + 1))
    if ((tries > 300)); then
      echo "the program never showed: $marker" >&2
      kill -KILL "$pid"
      break
    fi
    sleep 0.1
  done
  kill -"$signal" "$pid"
  wait "$pid"
  status=$?
  exec 3>&-
  rm -f input
}

run_one() {
  local case="$1"
  case="$(cd "$case" && pwd)"
  local name="${case##*/}"
  if [[ "$flavor" == windows ]]; then
    for reason in "$case/posix-only" "$case/windows-skip"; do
      if [[ -f "$reason" ]]; then
        echo "skipped on the Windows leg: $(cat "$reason")"
        return 77
      fi
    done
  fi

  local work
  work="$(mktemp -d "${TMPDIR:-/tmp}/tensor3d-e2e.XXXXXX")"
  work="$(cd "$work" && pwd -P)"
  local failed=0
  (
    cd "$work" || exit 1
    [[ -d "$case/files" ]] && cp -R "$case/files/." .
    [[ -f "$case/example" ]] && cp "$repository/examples/$(cat "$case/example")" datos.txt
    mkdir ../"${work##*/}.originals" && cp -R . ../"${work##*/}.originals"/
    [[ -f "$case/setup" ]] && bash "$case/setup"
    if [[ -f "$case/file-size-limit" ]]; then
      trap '' XFSZ
      ulimit -f "$(cat "$case/file-size-limit")"
    fi
    if [[ -f "$case/interrupt-after" ]]; then
      signal=INT
      [[ -f "$case/interrupt-signal" ]] && signal="$(cat "$case/interrupt-signal")"
      run_interrupted "$(cat "$case/interrupt-after")" "$signal" "$case/answers"
    else
      if [[ -f "$case/answers" ]]; then
        "${program[@]}" <"$case/answers" >stdout 2>stderr
      else
        "${program[@]}" </dev/null >stdout 2>stderr
      fi
      status=$?
    fi
    echo "$status" >status
  )
  local originals="$work.originals"
  local expected="$case/expected"

  if $regenerate; then
    mkdir -p "$expected"
    cp "$work/status" "$expected/status"
    normalise "$work/stdout" "$work" stdout >"$expected/stdout"
    normalise "$work/stderr" "$work" stderr >"$expected/stderr"
    if [[ -f "$work/resultados.txt" ]]; then
      cp "$work/resultados.txt" "$expected/results"
    else
      rm -f "$expected/results"
    fi
    echo "$name: expected files rewritten"
  else
    check() {
      local what="$1" want="$2" got="$3"
      if ! cmp -s "$want" "$got"; then
        echo "$name: $what differs from $want" >&2
        diff <(od -c "$want") <(od -c "$got") | head -20 >&2
        failed=1
      fi
    }
    check "exit status" "$expected/status" "$work/status"
    local stream
    for stream in stdout stderr; do
      local want="$expected/$stream"
      [[ "$flavor" == windows && -f "$want.windows" ]] && want="$want.windows"
      if normalise "$work/$stream" "$work" "$stream" >"$work/$stream.shown"; then
        check "$stream" "$want" "$work/$stream.shown"
      else
        failed=1
      fi
    done
    if [[ -f "$expected/results" ]]; then
      check "results file" "$expected/results" "$work/resultados.txt"
    elif [[ -e "$work/resultados.txt" ]]; then
      echo "$name: a results file exists but none was expected" >&2
      failed=1
    fi
    local original
    while IFS= read -r -d '' original; do
      local relative="${original#"$originals"/}"
      [[ "$relative" == resultados.txt ]] && continue
      check "copied file $relative" "$original" "$work/$relative"
    done < <(find "$originals" -type f -print0)
  fi
  rm -rf "$work" "$originals"
  return $failed
}

overall=0
for case in "${cases[@]}"; do
  run_one "$case"
  result=$?
  if [[ ${#cases[@]} -eq 1 ]]; then exit $result; fi
  ((result == 1)) && overall=1
done
exit $overall
