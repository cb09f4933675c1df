# Sourced by the real-window tests. start_virtual_display DEPTH FILE starts a 640x480 virtual
# X server of that depth, writes its display number to FILE, adds its pid to $xvfb_pids (for
# the caller's cleanup) and points DISPLAY at it; it gives up after 10 seconds.
start_virtual_display() {
  rm -f "$2"
  Xvfb -displayfd 3 -screen 0 "640x480x$1" -nolisten tcp 3>"$2" 2>/dev/null &
  xvfb_pids="${xvfb_pids:-} $!"
  tries=0
  while [ ! -s "$2" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
      echo "the virtual X server did not start" >&2
      return 1
    fi
    sleep 0.1
  done
  DISPLAY=:$(cat "$2")
  export DISPLAY
}
