#!/usr/bin/env bash
# Hunts a rare crash of the Windows command line under Wine: runs safe writes of
# vexalon-cli.exe one after another against the simulated radio on a COM port of a private
# Wine prefix, while a build of the project runs beside them as load, and sorts each run:
#   done     exit 0, one JSON object, result "done";
#   spoiled  exit 1, one JSON object, and a reply the radio gave too late or not at all: a
#            block the backup or the check could not read, an unacknowledged write, no or
#            an unknown answer to the handshake;
#   crashed  Wine's report ("Unhandled exception"), an exit status the program never gives
#            (it gives 0, 1 and 2; Wine passes on a crash's, 5 for an access violation, and
#            a signal shows as 128 and more), stdout that is not one JSON object, or no end
#            within the time-out (a hang: the backtrace of every thread is kept, then it is
#            stopped);
#   failed   anything else, such as blocks read back different from what was written.
# Prints the counts and keeps the logs of every run that was not done. Slow (about 15 s a
# run, more under load): run by hand, not in CI.
# Usage: wine-crash-hunt.sh WINDOWS_BUILD LINUX_BUILD [RUNS]   (RUNS: 100 by default)
#   WINDOWS_BUILD has vexalon-cli.exe built (make windows); the simulator and the Linux
#   command line, which makes the plans, are built in LINUX_BUILD if they are not yet.
# Environment:
#   HUNT_CLI      the vexalon-cli.exe to run; by default the build's own, with its symbols,
#                 so that its frames in a crash report get their functions and lines (the
#                 packed one is the same program, stripped)
#   HUNT_LOAD     the build folder for the load, its own Linux build of the project (default
#                 WINDOWS_BUILD/crash-hunt-load); "none" runs without load
#   HUNT_TIMEOUT  seconds a run may take before it counts as a hang (default 180)
#   HUNT_RADIO    more options for vexalon-radiosim, such as "--delay write:60" to see how
#                 late replies are counted
#   HUNT_PREFIX   the Wine prefix, private to the hunt (default WINDOWS_BUILD/crash-hunt-prefix)
#   WINEDEBUG     Wine's debug channels for the runs (default none, as scripts/wine-run.sh)
# Writes WINDOWS_BUILD/crash-hunt/<date and time>/: runs.tsv (one line a run), summary.txt,
# and a folder per run that was not done (run-NNN), with its stdout, stderr and backups, and
# for a crash Wine's report and the program's frames in it.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
windows_build=$(realpath "$1")
linux_build=$(realpath "$2")
runs=${3:-100}
cli=${HUNT_CLI:-$windows_build/cli/vexalon-cli.exe}
load_build=${HUNT_LOAD:-$windows_build/crash-hunt-load}
run_timeout=${HUNT_TIMEOUT:-180}
port=COM29

[ -f "$cli" ] || { echo "wine-crash-hunt: no $cli; run make windows first" >&2; exit 2; }
cli=$(realpath "$cli")
cmake --build "$linux_build" --target vexalon-radiosim vexalon-cli
radiosim=$linux_build/tools/radiosim/vexalon-radiosim
linux_cli=$linux_build/cli/vexalon-cli

work=$windows_build/crash-hunt/$(date +%Y-%m-%d_%H-%M-%S)
mkdir -p "$work"
# A prefix of its own: scripts/windows-test.sh stops every program of its prefix.
export WINEPREFIX=${HUNT_PREFIX:-$windows_build/crash-hunt-prefix}
if [ ! -d "$WINEPREFIX/drive_c" ]; then
  scripts/wine-run.sh wineboot --init >"$work/wineboot.log" 2>&1
fi
# As scripts/windows-test.sh maps the port of its serial tests.
scripts/wine-run.sh reg add 'HKLM\Software\Wine\Ports' /v "$port" /t REG_SZ \
  /d "$WINEPREFIX/radio-pty" /f >/dev/null

simulator_pid=
load_pid=
stop_all() {
  # The load runs in a process group of its own, so that its compilers stop with it.
  [ -z "$load_pid" ] || kill -- "-$load_pid" 2>/dev/null || true
  [ -z "$simulator_pid" ] || kill "$simulator_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
}
trap stop_all EXIT

start_wineserver() {
  wineserver -k 2>/dev/null || true
  local as_user=()
  [ "$(id -u)" -ne 0 ] || as_user=(setpriv --bounding-set -sys_admin --inh-caps -sys_admin)
  "${as_user[@]}" wineserver -p </dev/null >/dev/null 2>>"$work/wineserver.log"
  # One program at a time: two first starts in a fresh wineserver session can hang each other.
  scripts/wine-run.sh cmd /c exit
}

# shellcheck disable=SC2086 # options, split as a shell would
"$radiosim" --link "$WINEPREFIX/radio-pty" --quiet ${HUNT_RADIO:-} >"$work/radiosim.out" 2>"$work/radiosim.err" &
simulator_pid=$!
for _ in $(seq 50); do
  [ -e "$WINEPREFIX/radio-pty" ] && break
  sleep 0.1
done
start_wineserver

# Two plans in turn, so that every check compares blocks that the write changed: what the
# simulated radio holds at first, and the same with other tones.
# On a loaded machine a read can lose a block too, and the Linux link has no retry either.
for try in 1 2 3 4 5; do
  "$linux_cli" read --port "$WINEPREFIX/radio-pty" -o "$work/plan-a.ini" \
    >>"$work/plan-read.log" 2>&1 && break
  [ "$try" -lt 5 ] || { echo "wine-crash-hunt: could not read the simulated radio" >&2; exit 1; }
done
sed -E 's/^(CTCSSRX|CTCSSTX)=.*/\1=3/' "$work/plan-a.ini" >"$work/plan-b.ini"
cmp -s "$work/plan-a.ini" "$work/plan-b.ini" &&
  { echo "wine-crash-hunt: found no tone to change in the plan" >&2; exit 2; }

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

if [ "$load_build" != none ]; then
  [ -f "$load_build/build.ninja" ] ||
    cmake -S "$source_dir" -B "$load_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      >"$work/load-configure.log"
  setsid bash -c "while :; do nice -n 10 ninja -C '$load_build' clean >/dev/null
      nice -n 10 ninja -C '$load_build' -j 2 >/dev/null 2>&1 || true; done" &
  load_pid=$!
fi

# The reply symptoms of a run that ended with exit 1, from its JSON object; empty for none.
reply_symptom() {
  jq -r '[(if (.backup_unread_blocks | length) > 0 then "backup could not read \(.backup_unread_blocks | join(" "))" else empty end),
          (if (.unverified_blocks | length) > 0 then "check could not read back \(.unverified_blocks | join(" "))" else empty end),
          (if (.unacknowledged_writes // 0) > 0 then "\(.unacknowledged_writes) unacknowledged writes" else empty end),
          (.lines[] | select(test("No response from serial port|Unknown response from radio")))]
         | join("; ")' "$1"
}

# The frames of Wine's report that lie in the program, with function, file and line, when the
# program has its symbols.
program_frames() {
  local module
  module=$(basename "$cli" .exe)
  grep -aE "^=?>?[ 0-9]+ 0x[0-9a-f]+ in $module " "$1" | awk '{ print $2 }' |
    xargs -r x86_64-w64-mingw32-addr2line -f -C -i -p -e "$cli"
}

declare -A count=([done]=0 [spoiled]=0 [crashed]=0 [failed]=0)
started=$(date +%s)
printf 'run\tresult\tstatus\tseconds\tload\tdetail\n' >"$work/runs.tsv"
echo "wine-crash-hunt: $runs safe writes of $cli on $port; logs in $work"
for run in $(seq "$runs"); do
  kill -0 "$simulator_pid" 2>/dev/null ||
    { echo "wine-crash-hunt: the simulated radio stopped" >&2; exit 1; }
  dir=$work/run-$(printf %03d "$run")
  mkdir -p "$dir/backups"
  plan=$work/plan-$([ $((run % 2)) -eq 1 ] && echo a || echo b).ini
  load=$(cut -d' ' -f1 /proc/loadavg)
  begin=$(date +%s%N)
  status=0
  scripts/wine-run.sh "$cli" write --port "$port" --json \
    --backup-dir "$(windows_path "$dir/backups")" "$(windows_path "$plan")" \
    >"$dir/stdout" 2>"$dir/stderr" </dev/null &
  program=$!
  for _ in $(seq $((run_timeout * 10))); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$program" 2>/dev/null; then
    # Where it hangs, before it is stopped: every thread of every program of the prefix.
    windows_pid=$(scripts/wine-run.sh winedbg --command "info proc" 2>/dev/null |
      awk -v name="'$(basename "$cli")'" '$NF == name { print $1 }' | tr -d '\r')
    printf 'attach 0x%s\nbt all\ndetach\nquit\n' "$windows_pid" |
      timeout 60 scripts/wine-run.sh winedbg >"$dir/hang-backtrace.txt" 2>&1 || true
    kill "$program" 2>/dev/null || true
    status=124
  fi
  if [ "$status" -eq 124 ]; then
    wait "$program" || true
  else
    wait "$program" || status=$?
  fi
  tenths=$((($(date +%s%N) - begin) / 100000000))
  objects=$(jq -s 'map(objects) | length' "$dir/stdout" 2>/dev/null || echo 0)
  values=$(jq -s 'length' "$dir/stdout" 2>/dev/null || echo 0)
  if grep -qa 'Unhandled exception' "$dir/stdout" "$dir/stderr"; then
    result=crashed
    detail=$(grep -ah -m1 'Unhandled exception' "$dir/stdout" "$dir/stderr" | head -1)
  elif [ "$status" -eq 124 ]; then
    result=crashed detail="no end within ${run_timeout} s"
    # Whatever is left of it would hold the port for the next run.
    start_wineserver
  elif [ "$status" -gt 2 ]; then
    result=crashed detail="exit status $status"
  elif [ "$objects" -ne 1 ] || [ "$values" -ne 1 ]; then
    result=crashed detail="stdout is not one JSON object ($(head -c 60 "$dir/stdout" | tr -d '\r\n'))"
  elif [ "$status" -eq 0 ] && [ "$(jq -r .result "$dir/stdout")" = "done" ]; then
    result="done" detail=
  elif [ "$status" -eq 1 ] && symptom=$(reply_symptom "$dir/stdout") && [ -n "$symptom" ]; then
    result=spoiled detail=$symptom
  else
    result=failed detail="exit $status, result $(jq -r .result "$dir/stdout"): $(jq -r '.lines | join(" ")' "$dir/stdout")"
  fi
  count[$result]=$((count[$result] + 1))
  seconds=$((tenths / 10)).$((tenths % 10))
  printf '%d\t%s\t%d\t%s\t%s\t%s\n' "$run" "$result" "$status" "$seconds" "$load" "$detail" \
    >>"$work/runs.tsv"
  printf '%3d/%d %-7s %5s s  load %s  %s\n' "$run" "$runs" "$result" "$seconds" "$load" "$detail"
  if [ "$result" = crashed ]; then
    cat "$dir/stdout" >"$dir/reports.txt"
    [ ! -f "$dir/hang-backtrace.txt" ] || cat "$dir/hang-backtrace.txt" >>"$dir/reports.txt"
    program_frames "$dir/reports.txt" >"$dir/frames.txt" 2>&1 || true
  fi
  # Kept under its own name, which its backup's path in the JSON holds.
  [ "$result" != "done" ] || rm -r "$dir"
done

minutes=$((($(date +%s) - started + 59) / 60))
{
  echo "vexalon-cli.exe under Wine, $runs safe writes on $port, $([ "$load_build" = none ] &&
    echo "no build beside them" || echo "a build of $load_build beside them (-j 2, nice 10)")"
  echo "done ${count[done]}, spoiled by late replies ${count[spoiled]}, crashed ${count[crashed]}, failed otherwise ${count[failed]}"
  echo "about $minutes min; $(wine --version 2>/dev/null); logs of the runs not done in $work:"
  awk -F'\t' 'NR > 1 && $2 != "done" { printf "  run-%03d %s: %s\n", $1, $2, $6 }' "$work/runs.tsv"
} | tee "$work/summary.txt"
[ "${count[crashed]}" -eq 0 ] && [ "${count[failed]}" -eq 0 ]
