#!/usr/bin/env bash
# The three desktop programs in their real windows on a private X server,
# driven with input events through the server along one design: the
# designer's roots files, vessaw's immittance files, tramow's value list.
# Each program's log is read back the way a user would (select all in the
# log, copy, paste from the clipboard), the files it writes are checked,
# and a screenshot of its main window is kept.  Then the same design once
# more by the keyboard alone, no click after a program starts: the files
# it writes must be those of the first walk, and a save over an existing
# file must ask first and leave the file alone when the answer is no.
#   smoke.sh DUZAVURI VESSAW TRAMOW SHOT_DIR   (the three programs' paths)
# SMOKE_WINDOW_MANAGER, if set, is started on the X server first (for
# example openbox); without it no window manager runs.
# Exits 77 (skipped) only when no X server can be started.
set -u
duzavuri=$(realpath "$1") vessaw=$(realpath "$2") tramow=$(realpath "$3") shots=$4
skip=77
# How long a window, a file or a log line may take to appear, in seconds:
# generous, because ctest runs this beside the other tests on a busy machine.
wait_limit=30

if ! command -v Xvfb >/dev/null; then
  echo "SKIP: Xvfb is not installed, no X server can be started"
  exit $skip
fi
for tool in xdotool xclip import; do
  if ! command -v $tool >/dev/null; then
    echo "$tool is missing: scripts/test.sh installs the packages this test needs"
    exit 1
  fi
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/smoke.XXXXXX")
pids=()
xvfb_pid=
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# -displayfd lets the server pick a free display, so parallel runs never meet;
# -noreset keeps it from resetting when its last client leaves, between two
# programs, where a program starting at that moment finds no display
Xvfb -displayfd 5 -noreset -screen 0 1280x1024x24 -nolisten tcp 5>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq $((wait_limit * 10))); do
  [ -s "$scratch/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$scratch/display" ]; then
  echo "SKIP: no X server could be started:"
  cat "$scratch/xvfb.log"
  exit $skip
fi
export DISPLAY=":$(head -n 1 "$scratch/display")"
export QT_QPA_PLATFORM=xcb
if [ -n "${SMOKE_WINDOW_MANAGER:-}" ]; then
  $SMOKE_WINDOW_MANAGER >"$scratch/window-manager.log" 2>&1 &
  pids+=($!)
  sleep 1
fi
# Qt keeps its runtime files and the file dialog's history here, not in the
# user's home
export XDG_RUNTIME_DIR=$scratch/runtime XDG_CONFIG_HOME=$scratch/config
mkdir -m 0700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
mkdir -p "$shots"
rm -f "$shots"/*-failure.png

program_pid=
program_name=
# the folder of the current walk: each program works in a folder of its own
# in it
walk=$scratch

fail() {
  echo "FAIL ($program_name): $*"
  import -window root "$shots/$program_name-failure.png" 2>/dev/null &&
    echo "the screen at the failure: $shots/$program_name-failure.png"
  echo "--- program output:"
  cat "$walk/$program_name.out" 2>/dev/null
  exit 1
}

# start NAME BINARY: runs the program in its working folder of the walk
start() {
  program_name=$1
  mkdir -p "$walk/$program_name"
  (cd "$walk/$program_name" && exec "$2") >"$walk/$program_name.out" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
}

# window TITLE: waits for the program's visible window with exactly that
# title and leaves its id in $win
window() {
  local title=$1 deadline=$((SECONDS + wait_limit)) id
  while [ $SECONDS -lt $deadline ]; do
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended while waiting for \"$title\""
    for id in $(timeout 2 xdotool search --sync --onlyvisible --pid "$program_pid" --name "^$title\$" 2>/dev/null); do
      if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$title" ]; then
        win=$id
        return 0
      fi
    done
  done
  fail "no window \"$title\" within $wait_limit s"
}

# gone ID: waits until the window is no longer shown
gone() {
  local deadline=$((SECONDS + wait_limit))
  while [ $SECONDS -lt $deadline ]; do
    xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.05
  done
  fail "window $1 still shown after $wait_limit s"
}

# Without a window manager nobody moves the keyboard focus on a click: the
# test gives it to the window it types into, as a window manager would.
focus() { xdotool windowfocus --sync "$1"; }

# click ID X Y, in the window's own coordinates
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# click_bottom ID: the button centred at the bottom of a small dialog
click_bottom() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  click "$1" $((WIDTH / 2)) $((HEIGHT - 20))
}

# start_menu ID: "Menu", then its first item "Iniciar"
start_menu() {
  local before deadline=$((SECONDS + wait_limit)) id
  before=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null)
  click "$1" 23 8
  while [ $SECONDS -lt $deadline ]; do
    for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
      if ! grep -qx "$id" <<<"$before"; then
        xdotool key Down Return
        return 0
      fi
    done
    sleep 0.05
  done
  fail "the menu did not open"
}

# choose_operation ID K: item K (from 0) of the operations window's list,
# then "Aplicar".  In the dialog font the items lie 19.5 pixels apart, the
# first centred 42 pixels below the window's top.  (A click does not move
# the keyboard focus into the list, so arrow keys would start from
# wherever the focus was left.)
choose_operation() {
  click "$1" 24 $((42 + 39 * $2 / 2))
  click_bottom "$1"
}

# pick ID K: item K (from 0) of a selection window's list: 13 pixels a row,
# the first centred 36 pixels below the window's top
pick() { click "$1" 40 $((36 + 13 * $2)); }

# again ID ACTION...: runs the action that answers the question of a
# selection window, when the program asks its next question in the same
# window: that window is hidden and shown again faster than a test can
# see, so the test waits until the question above the list has changed
# (the top rows of the window, captured twice the same)
again() {
  local id=$1 deadline=$((SECONDS + wait_limit)) question=(-crop 2000x24+0+0)
  shift
  import -window "$id" "${question[@]}" "$scratch/before.png" || fail "no capture of the question"
  "$@"
  rm -f "$scratch/last.png"
  while [ $SECONDS -lt $deadline ]; do
    if import -window "$id" "${question[@]}" "$scratch/now.png" 2>/dev/null &&
      ! cmp -s "$scratch/now.png" "$scratch/before.png"; then
      cmp -s "$scratch/now.png" "$scratch/last.png" && return 0
      mv "$scratch/now.png" "$scratch/last.png"
    fi
  done
  fail "no new question after $wait_limit s"
}

# pick_again ID K: item K of a selection window that asks again
pick_again() { again "$1" pick "$1" "$2"; }

# open_file TITLE NAME: types the name into the file dialog TITLE and
# accepts it; NAME "" cancels the dialog
open_file() {
  window "$1"
  focus "$win"
  if [ -n "$2" ]; then
    xdotool type --delay 20 "$2"
    xdotool key Return
  else
    xdotool key Escape
  fi
  gone "$win"
}

# read_log ID TEXT: the log's whole text as a user copies it, once it
# holds the line TEXT
read_log() {
  local id=$1 deadline=$((SECONDS + wait_limit)) WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$id")"
  while [ $SECONDS -lt $deadline ]; do
    focus "$id"
    click "$id" $((WIDTH / 2)) $((HEIGHT / 2))
    xdotool key ctrl+a ctrl+c
    if timeout 5 xclip -o -selection clipboard >"$scratch/$program_name.log" 2>/dev/null &&
      grep -qxF -- "$2" "$scratch/$program_name.log"; then
      return 0
    fi
    sleep 0.1
  done
  echo "--- log as copied:"
  cat "$scratch/$program_name.log"
  fail "the log has no line \"$2\""
}

# expect_lines LINE...: lines the copied log must hold
expect_lines() {
  local line
  for line in "$@"; do
    grep -qxF -- "$line" "$scratch/$program_name.log" || {
      echo "--- log as copied:"
      cat "$scratch/$program_name.log"
      fail "the log has no line \"$line\""
    }
  done
}

# screenshot ID: the main window once its repaint has settled (two equal
# captures in a row), with the log's selection cleared by a click into it
screenshot() {
  local shot=$shots/$program_name.png try WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  # past the double-click interval of the last click into the log, which
  # would otherwise make this one select a word
  sleep 0.5
  click "$1" $((WIDTH / 2)) $((HEIGHT / 2))
  import -window "$1" "$scratch/shot.png" || fail "no screenshot"
  for try in $(seq 50); do
    import -window "$1" "$shot" || fail "no screenshot"
    cmp -s "$shot" "$scratch/shot.png" && return 0
    mv "$shot" "$scratch/shot.png"
  done
  fail "the window did not settle for its screenshot"
}

stop() {
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
}

# has_focus TITLE: waits until the keyboard is in the program's window with
# that title, which the program gives it, and leaves its id in $win
has_focus() {
  local title=$1 deadline=$((SECONDS + wait_limit)) id
  while [ $SECONDS -lt $deadline ]; do
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended while waiting for the keyboard in \"$title\""
    id=$(xdotool getwindowfocus 2>/dev/null)
    if [ -n "$id" ] && [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$title" ]; then
      win=$id
      return 0
    fi
    sleep 0.05
  done
  fail "the keyboard is not in \"$title\" after $wait_limit s but in \"$(xdotool getwindowfocus getwindowname 2>/dev/null)\""
}

# press KEY...: keys, as a user types them
press() { xdotool key --delay 40 "$@"; }

# type_name TEXT: a name typed into the field that has the focus
type_name() { xdotool type --delay 20 "$1"; }

# downs N, ups N: the arrow pressed N times
downs() { local i; for i in $(seq "$1"); do press Down; done; }
ups() { local i; for i in $(seq "$1"); do press Up; done; }

# shown_count TITLE: how many windows of the program with that title are shown
shown_count() {
  local id count=0
  for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && count=$((count + 1))
  done
  echo "$count"
}

# same_files DIR_A DIR_B FILE...: the files of the two walks are equal
same_files() {
  local file
  for file in "${@:3}"; do
    cmp -s "$1/$file" "$2/$file" || fail "$file of the keyboard walk differs from the first walk's"
  done
}

# The road of a design through the three programs, each in a folder of its
# own, the files carried from one to the next as a user would.

# Duzavuri: the elliptic design of the preset requirement with the order
# only rounded, 3, and its four roots files
start duzavuri "$duzavuri"
window "Filtros Elípticos"
main=$win
# "Apenas arredondar a ordem", then "Filtro elíptico", by their places on
# the form
click "$main" 456 40
click "$main" 225 20
read_log "$main" "Raízes do polinômio F salvas como elipf.r"
expect_lines "Ordem calculada n= 3.3178156120515727E+0000 (Ordem arredondada=3)" \
  "Raízes do polinômio P salvas como elipp.r"
for file in elipq.r elipe.r elipp.r elipf.r; do
  [ -s "$scratch/duzavuri/$file" ] || fail "$file was not written"
done
head -n 1 "$scratch/duzavuri/elipe.r" | grep -q '^3' || fail "elipe.r does not hold 3 poles"
screenshot "$main"
stop

# vessaw: F(s) and P(s) read from their roots files, E(s) from the
# Feldtkeller equation, and z11 of the doubly terminated ladder saved
start vessaw "$vessaw"
here_files=$scratch/vessaw
cp "$scratch/duzavuri/elipf.r" "$scratch/duzavuri/elipp.r" "$here_files/"
window "Vessa"
main=$win
start_menu "$main"
window "Operações"
operations=$win
for polynomial in "1 F elipf.r" "2 P elipp.r"; do
  set -- $polynomial
  choose_operation "$operations" 13
  window "Seleção"
  pick_again "$win" "$1"
  pick "$win" 1
  open_file "Abrir - Raízes de $2(s)" "$3"
  open_file "Salvar como - Raízes de $2(s)" ""
  open_file "Salvar como - Polinômio $2(s)" ""
done
choose_operation "$operations" 6
choose_operation "$operations" 8
window "Seleção"
pick_again "$win" 0
pick "$win" 0
open_file "Salvar como - Numerador da imitância" elip.n
open_file "Salvar como - Denominador da imitância" elip.d
read_log "$main" "Salve as raízes de P(s) (zeros de transmissão) para usar no programa Zuzevi."
expect_lines "Raízes lidas do arquivo: $here_files/elipf.r" "Raízes lidas do arquivo: $here_files/elipp.r" \
  "Polinômio E(s) calculado." "Polinômio salvo no arquivo $here_files/elip.n" \
  "Polinômio salvo no arquivo $here_files/elip.d" "rl=      1.000000000000000000 * rg"
screenshot "$main"
stop

# tramow: the immittance from vessaw's files, the transmission zeros from
# the designer's roots of P(s); the partial extraction at infinity that
# creates the zero pair, the last capacitor, and the value list saved
start tramow "$tramow"
here_files=$scratch/tramow
cp "$scratch/duzavuri/elipp.r" "$scratch/vessaw/elip.n" "$scratch/vessaw/elip.d" "$here_files/"
window "Zuzevi"
main=$win
start_menu "$main"
window "Questão"
# "Sim", the left one of the two buttons
click "$win" 132 40
open_file "Abrir - Zeros de transmissão a realizar (opcional)" elipp.r
open_file "Abrir - polos da f. de t. a realizar (opcional)" ""
window "Inicialização"
focus "$win"
click_bottom "$win"
open_file "Abrir - Numerador" elip.n
open_file "Abrir - Denominador" elip.d
window "Operações"
operations=$win
choose_operation "$operations" 3
choose_operation "$operations" 4
window "Texto"
focus "$win"
xdotool key ctrl+a
xdotool type z1
click_bottom "$win"
gone "$win"
choose_operation "$operations" 0
choose_operation "$operations" 15
open_file "Salvar como - Rede obtida" elip.val
read_log "$main" "Rede salva no arquivo $here_files/elip.val"
expect_lines "C1:   1.851994369849771 em //" "L2:   0.859034468595800 em tanque // em série" \
  "C2:   0.225897613803423 em tanque // em série" "C3:   1.851994369849771 em //" "Síntese completa."
printf '%s\r\n' "C1    1.851994369849771 em //" "L2    0.859034468595800 em tanque // em série" \
  "C2    0.225897613803423 em tanque // em série" "C3    1.851994369849771 em //" >"$scratch/want.val"
cmp -s "$scratch/want.val" "$here_files/elip.val" || fail "elip.val differs: $(cat -A "$here_files/elip.val")"
screenshot "$main"
stop

# The same design by the keyboard alone, each program in a folder of its
# own again.  The keyboard is where the program puts it: no click, and no
# focus given by the test.
mouse=$scratch
keyboard=$scratch/keyboard
mkdir -p "$keyboard"
walk=$keyboard

# Duzavuri: Tab walks the main window's tab order, the log included; nine
# steps from "k" to "Apenas arredondar a ordem", ticked by the space bar,
# then back to "Filtro elíptico", pressed by Return; six back from there
# the log, copied as a user copies it.
start duzavuri "$duzavuri"
has_focus "Filtros Elípticos"
for _ in $(seq 9); do press Tab; done
press space shift+Tab Return
for file in elipq.r elipe.r elipp.r elipf.r; do
  deadline=$((SECONDS + wait_limit))
  until [ -s "$keyboard/duzavuri/$file" ] || [ $SECONDS -ge $deadline ]; do sleep 0.1; done
done
same_files "$mouse/duzavuri" "$keyboard/duzavuri" elipq.r elipe.r elipp.r elipf.r
for _ in $(seq 6); do press shift+Tab; done
press ctrl+a ctrl+c
timeout 5 xclip -o -selection clipboard | grep -qxF "Raízes do polinômio F salvas como elipf.r" ||
  fail "the log copied by the keyboard has no line on elipf.r"
stop

# vessaw: F10 reaches the menu; the operations window takes the keyboard,
# the arrows choose an operation and Return applies it; the arrows and
# Return answer the choice lists, the first item included; the save offers
# are named in their titles and Escape declines them.
start vessaw "$vessaw"
cp "$keyboard/duzavuri/elipf.r" "$keyboard/duzavuri/elipp.r" "$keyboard/vessaw/"
has_focus "Vessa"
press F10 Down Return
has_focus "Operações"
downs 13
for polynomial in "1 F elipf.r" "2 P elipp.r"; do
  set -- $polynomial
  press Return
  has_focus "Seleção"
  downs "$1"
  again "$win" press Return
  press Down Return
  has_focus "Abrir - Raízes de $2(s)"
  type_name "$3"
  press Return
  has_focus "Salvar como - Raízes de $2(s)"
  press Escape
  has_focus "Salvar como - Polinômio $2(s)"
  press Escape
  has_focus "Operações"
done
# "Calcular E(s) tendo K(s)=F(s)/P(s)", then "Gerar imitâncias para
# síntese de rede passiva" with the first items of both choices
ups 7
press Return
downs 2
press Return
has_focus "Seleção"
again "$win" press Return
press Return
has_focus "Salvar como - Numerador da imitância"
type_name elip.n
press Return
has_focus "Salvar como - Denominador da imitância"
type_name elip.d
press Return
has_focus "Operações"
same_files "$mouse/vessaw" "$keyboard/vessaw" elip.n elip.d
# the same offer again proposes elip.n: saved over, it asks first, and
# "Não" (Return) leaves the file as it was and the dialog open
cp "$keyboard/vessaw/elip.n" "$keyboard/elip.n.before"
press Return
has_focus "Seleção"
again "$win" press Return
press Return
has_focus "Salvar como - Numerador da imitância"
numerator=$win
type_name elip.n
press Return
deadline=$((SECONDS + wait_limit))
until [ "$(shown_count "Salvar como - Numerador da imitância")" = 2 ] || [ $SECONDS -ge $deadline ]; do sleep 0.05; done
[ "$(shown_count "Salvar como - Numerador da imitância")" = 2 ] || fail "no question before elip.n is replaced"
import -window root "$shots/vessaw-replace-question.png"
press Return
deadline=$((SECONDS + wait_limit))
until [ "$(shown_count "Salvar como - Numerador da imitância")" = 1 ] || [ $SECONDS -ge $deadline ]; do sleep 0.05; done
has_focus "Salvar como - Numerador da imitância"
[ "$win" = "$numerator" ] || fail "the save dialog did not stay open after \"Não\""
press Escape
has_focus "Salvar como - Denominador da imitância"
press Escape
has_focus "Operações"
cmp -s "$keyboard/elip.n.before" "$keyboard/vessaw/elip.n" || fail "elip.n was replaced after \"Não\""
stop

# tramow: "Sim" has the keyboard in the question; the initialisation window
# applies its preselected entry by Return; in the operations window, where
# nothing is chosen at first, the space bar chooses, Return applies, and
# "Ler" takes the typed transmission zero by Return.
start tramow "$tramow"
cp "$keyboard/duzavuri/elipp.r" "$keyboard/vessaw/elip.n" "$keyboard/vessaw/elip.d" "$keyboard/tramow/"
has_focus "Zuzevi"
press F10 Down Return
has_focus "Questão"
press Return
has_focus "Abrir - Zeros de transmissão a realizar (opcional)"
type_name elipp.r
press Return
has_focus "Abrir - polos da f. de t. a realizar (opcional)"
press Escape
has_focus "Inicialização"
press Return
has_focus "Abrir - Numerador"
type_name elip.n
press Return
has_focus "Abrir - Denominador"
type_name elip.d
press Return
has_focus "Operações"
# "Inverter imitância", then "Extrair parcialmente polo no infinito para
# criar zeros" with z1, "Extrair polo no infinito", "Salvar rede obtida"
downs 3
press space Return Down Return
has_focus "Texto"
press ctrl+a
type_name z1
press Return
has_focus "Operações"
ups 4
press Return
downs 15
press Return
has_focus "Salvar como - Rede obtida"
type_name elip.val
press Return
has_focus "Operações"
deadline=$((SECONDS + wait_limit))
until [ -s "$keyboard/tramow/elip.val" ] || [ $SECONDS -ge $deadline ]; do sleep 0.1; done
cmp -s "$mouse/want.val" "$keyboard/tramow/elip.val" || fail "elip.val of the keyboard walk differs: $(cat -A "$keyboard/tramow/elip.val")"
stop

echo "The design went through the three programs in their windows, by the mouse and by the keyboard; screenshots in $shots"
