#!/usr/bin/env bash
# kestrova-setup.exe under Wine on Xvfb, in English and in Chinese (the language a first start
# takes from the system's): its main window, then the camera form its first button opens, each
# into a PNG of OUT (main-en.png, camera-form-en.png, ...). Fails when a window does not open;
# a first start without an INI file leaves its preferences in the user's own registry key.
#
#   wine_windows.sh STAGE OUT     (STAGE: the program's folder of `make windows`)
#
# Exits 77 (skipped) where the Windows programs are not built or Wine is missing.
set -euo pipefail
inside=false
if [ "${1:-}" = --inside-xvfb ]; then
  inside=true
  shift
fi
stage=$1
out=$2
if [ ! -f "$stage/kestrova-setup.exe" ]; then
  echo "SKIP: the Windows programs are not built here ($stage/kestrova-setup.exe is missing): scripts/build-windows-qt, then make windows"
  exit 77
fi
for tool in wine xvfb-run xdotool xwd xwdtopnm pnmtopng; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (make windows installs it)"; exit 77; }
done

export WINEPREFIX
WINEPREFIX=$(cd "$stage/.." && pwd)/wineprefix
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$out"
rm -f "$out"/*.png

appPaths='HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\Kestrova.exe'

# Runs inside Xvfb: one language's start, its windows, and the shots.
run() {
  local lang=$1 name=$2
  shot() { xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$out/$1.png"; }
  windows() { xdotool search --onlyvisible --name '.' 2>/dev/null | sort || true; }
  # Waits up to a minute for a visible window that was not there before; prints its id.
  new_window() {
    local before=$1
    for _ in $(seq 120); do
      local now
      now=$(comm -13 <(echo "$before") <(windows) | head -n1)
      if [ -n "$now" ]; then echo "$now"; return 0; fi
      sleep 0.5
    done
    return 1
  }
  wineserver -k 2>/dev/null || true
  wine reg delete "$appPaths" /f >/dev/null 2>&1 || true
  LANG=$lang LC_ALL=$lang wine "$stage/kestrova-setup.exe" &
  local program=$!
  local main
  main=$(new_window "") || { echo "no main window ($name)" >&2; return 1; }
  sleep 3
  shot "main-$name"
  # The first of the three setup buttons: left of the window's middle, below its lists.
  eval "$(xdotool getwindowgeometry --shell "$main")"
  local before
  before=$(windows)
  xdotool mousemove --window "$main" $((WIDTH * 19 / 100)) $((HEIGHT * 60 / 100)) click 1
  local form
  form=$(new_window "$before") || { echo "no camera form ($name)" >&2; shot "failed-$name"; return 1; }
  sleep 3
  shot "camera-form-$name"
  echo "$name: the form \"$(xdotool getwindowname "$form" 2>/dev/null || true)\" opened"
  kill "$program" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
}
if $inside; then
  run en_US.UTF-8 en
  run zh_CN.UTF-8 zh
  exit 0
fi
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside-xvfb "$stage" "$out"
# The first start wrote its preferences to the user's key, the machine's being left alone.
wine reg query "$appPaths" /v Company | grep -q "Kestrova Imaging" ||
  { echo "the preferences are not in $appPaths" >&2; exit 1; }
echo "screenshots in $out"
