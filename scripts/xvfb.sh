# Sourced: starts a virtual X display when none is set and exports DISPLAY.
# The caller stops it with orvix_stop_xvfb.
orvix_xvfb_pid=
orvix_start_xvfb() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    orvix_xvfb_pid=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$orvix_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "xvfb: could not start a virtual display" >&2
  return 1
}
orvix_stop_xvfb() {
  [ -n "$orvix_xvfb_pid" ] && kill "$orvix_xvfb_pid" 2>/dev/null || true
  orvix_xvfb_pid=
}
