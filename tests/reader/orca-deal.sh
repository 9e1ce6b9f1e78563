#!/usr/bin/env bash
# A first start and a whole deal played from the keyboard alone while Orca listens, in
# English and in Russian: Orca's speech log must hold the computer's cards (with its
# remarks, said in the same notifications), a take or a discard, and the deal's result
# with the score. It takes about three minutes.
# Usage: orca-deal.sh DURAK_BINARY OUTPUT_DIR   (exit 77: no accessibility bus here)
set -uo pipefail
durak=$1
out=$2
skip() { echo "SKIP: $*"; exit 77; }
for tool in Xvfb dbus-run-session orca xdotool; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "at-spi-bus-launcher is not installed"

if [ -z "${ORCA_DEAL_INSIDE:-}" ]; then
  # Everything runs on a session bus of its own.
  rm -rf "$out"
  mkdir -p "$out"
  ORCA_DEAL_INSIDE=1 exec dbus-run-session -- "$0" "$@"
fi

bin=$(cd "$(dirname "$durak")" && pwd)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; }
trap cleanup EXIT

export HOME=$out/home XDG_RUNTIME_DIR=$out/runtime XDG_CONFIG_HOME=$out/home/.config
mkdir -p "$HOME" && mkdir -p -m 700 "$XDG_RUNTIME_DIR"
for n in $(seq 140 160); do [ -e /tmp/.X11-unix/X$n ] || { display=:$n; break; }; done
export DISPLAY=$display
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
"$launcher" --launch-immediately >"$out/bus.log" 2>&1 &
pids+=($!)
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1

# One run: a fresh folder with the game and its packs, a first start in LANGUAGE.
play() {
  local language=$1 name=$2 dir=$out/game-$2 log=$out/orca-$2.log
  mkdir -p "$dir"
  cp "$durak" "$dir/durak"
  for f in "$bin"/*.dll "$bin"/*.DLL "$bin"/*.col "$bin"/*.so; do
    [ -e "$f" ] && ln -sf "$f" "$dir/"
  done
  printf '[Settings]\r\nLanguage=%s\r\nASpeed=100\r\nArul=1\r\n' "$language" >"$dir/durak.ini"
  # Speech goes only to the log: no speech server is started (it may hang where there is
  # no sound), and Orca logs each line it would speak all the same.
  orca --replace --disable speech -u "$out/orca-prefs-$name" --debug-file "$log" >"$out/orca-$name.out" 2>&1 &
  local orca=$!
  pids+=($orca)
  for _ in $(seq 600); do grep -q "Startup complete" "$log" 2>/dev/null && break; sleep 0.1; done
  grep -q "Startup complete" "$log" 2>/dev/null || skip "Orca did not start"
  (cd "$dir" && exec ./durak >"$out/durak-$name.out" 2>&1) &
  local game=$!
  pids+=($game)
  # Each key gives the reader time to speak what it caused: a reader flooded with events
  # drops them.
  key() { xdotool key --clearmodifiers --delay 300 "$@"; sleep 0.5; }
  # The champions table at the first start: Tab to "New", a name, Enter, "Continue".
  for _ in $(seq 100); do xdotool search --pid "$game" --onlyvisible --name . >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 2
  key Tab
  key space
  sleep 1
  xdotool type --delay 60 Tester
  key Return
  sleep 1
  key Return
  sleep 1
  # The deal: Enter deals; then the first card of the hand, else the button shown.
  key Return
  local done=0
  for _ in $(seq 120); do
    key Home Return
    key Escape Return
    if grep "SPEECH OUTPUT" "$log" | grep -qE "$3"; then done=1; break; fi
  done
  sleep 1
  kill "$game" 2>/dev/null
  kill "$orca" 2>/dev/null
  [ $done = 1 ] || { echo "FAIL: the deal's result was never spoken ($name)"; return 1; }
  grep "SPEECH OUTPUT" "$log" | sed 's/^.*SPEECH OUTPUT: //' >"$out/speech-$name.txt"
  local missing=0
  for pattern in "${@:4}"; do
    grep -qE "$pattern" "$out/speech-$name.txt" || { echo "FAIL: nothing spoken matches '$pattern' ($name)"; missing=1; }
  done
  return $missing
}

status=0
play 2 en "You won the deal|The computer won the deal|ended in a draw" \
  "Computer (leads|beats|throws in|transfers with) the" \
  "take the cards|takes the cards|discarded" "Score: you" || status=1
play 1 ru "Вы выиграли кон|Компьютер выиграл кон|вничью" \
  "Компьютер (ходит|бьёт|подкидывает|переводит):" \
  "берёте карты|берёт карты|Бито" "Счёт: вы" || status=1
echo "speech logs: $out/speech-en.txt $out/speech-ru.txt"
exit $status
