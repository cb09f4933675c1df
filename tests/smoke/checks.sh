# Sourced by the real-window tests: waiting for a condition, comparing screenshots, and finding a
# movie's frame on the screen. Each check that fails sets failed=1 and says why.
failed=0
smoke_dir=$(cd "$(dirname "$0")" && pwd)

# wait_for CONDITION [SECONDS]: evaluates the shell condition every 0.1 s until it holds, up to
# SECONDS (default 10); returns 1 if it never did.
wait_for() {
  tries=0
  until eval "$1"; do
    tries=$((tries + 1))
    [ "$tries" -lt $((${2:-10} * 10)) ] || { echo "gave up waiting for: $1"; return 1; }
    sleep 0.1
  done
}

# same PICTURE EXPECTED WHAT: the two pictures are identical.
same() {
  differing=$(compare -metric AE "$1" "$2" "$1.difference.png" 2>&1 || true)
  echo "$3: $differing pixels differ from $(basename "$2")"
  [ "$differing" = "0" ] || failed=1
}

# frame_on_screen FILE_PREFIX FRAMES.rgb WIDTH HEIGHT: screenshots of the whole screen, up to
# five, until one shows one of the movie's frames centred on black. A screenshot may catch the
# screen between two frames (half of each), so one exact match among a few tries is the test.
frame_on_screen() {
  try=1
  while [ "$try" -le 5 ]; do
    import -window root "$1-$try.png"
    if python3 "$smoke_dir/match_frame.py" "$1-$try.png" "$2" "$3" "$4"; then return 0; fi
    try=$((try + 1))
  done
  failed=1
}

# ended PID: the process is gone or only waits to be reaped.
ended() {
  [ ! -e "/proc/$1" ] || [ "$(sed 's/.*) //' "/proc/$1/stat" | cut -c1)" = Z ]
}

# exits_within PID SECONDS: the process ends within that time; its exit code lands in $status.
# A process that does not is killed (it is one this test started) and counts as a failure.
exits_within() {
  if wait_for "ended $1" "$2"; then
    status=0
    wait "$1" || status=$?
  else
    echo "the program did not end within $2 s"
    kill "$1" 2>/dev/null || true
    status=124
    failed=1
  fi
}
