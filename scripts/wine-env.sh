# Sourced: Wine for one Windows side of the build. Each side has its own loader and its own
# private prefix (created without the Mono and Gecko installers):
#   win32  /usr/lib/wine/wine    build/wineprefix-win32  (WINEARCH win32)
#   win64  /usr/lib/wine/wine64  build/wineprefix-win64  (WINEARCH win64)
# Debian's "wine" wrapper would take the 32-bit loader whenever it is installed, even on a
# machine that cannot execute 32-bit code, so the loader is always named here.
orvix_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# orvix_wine_side win32|win64: selects the side; sets ORVIX_WINE (the loader), WINEARCH and
# WINEPREFIX (ORVIX_WINEPREFIX, when set, is the prefix's base name).
orvix_wine_side() {
  case "$1" in
    win32) ORVIX_WINE=/usr/lib/wine/wine ;;
    win64) ORVIX_WINE=/usr/lib/wine/wine64 ;;
    *) echo "wine: unknown Windows side '$1' (win32 or win64)" >&2; return 2 ;;
  esac
  ORVIX_SIDE=$1
  export WINEARCH=$1
  export WINEPREFIX=${ORVIX_WINEPREFIX:-$orvix_root/build/wineprefix}-$1
}

# orvix_program_side FILE: prints win32 or win64 after the machine type in the program's
# PE header; nothing when FILE is not a Windows program.
orvix_program_side() {
  [ -f "$1" ] || return 0
  local pe machine
  pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$pe" ] || return 0
  machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  case "$machine" in
    014c) echo win32 ;;
    8664) echo win64 ;;
  esac
}

# Creates the selected side's prefix once; concurrent callers wait for the first. Its
# windows are not handed to a window manager: the virtual display has none, and Wine would
# otherwise wait two seconds at every closing window for one to answer.
orvix_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$ORVIX_WINE" wineboot -i >/dev/null 2>&1 </dev/null || true
      wineserver -w
    fi
    if [ -f "$WINEPREFIX/system.reg" ] && [ ! -f "$WINEPREFIX/.orvix-unmanaged" ]; then
      "$ORVIX_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null &&
        touch "$WINEPREFIX/.orvix-unmanaged"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# orvix_side_runs: whether this machine really runs Windows programs of the selected side,
# found out by running one (a Windows command that must end with exit code 7). Prints the
# reason on failure.
orvix_side_runs() {
  local out rc
  out=$(orvix_wine_prefix 2>&1; timeout 120 "$ORVIX_WINE" cmd /c exit 7 2>&1 </dev/null)
  rc=$?
  [ $rc -eq 7 ] && return 0
  out=$(printf '%s\n' "$out" | grep -m1 -i 'exec format\|error\|cannot\|not found' || true)
  echo "a Windows program of this side ended with code $rc instead of 7${out:+: $out}"
  return 1
}
