#!/bin/bash
# orca-speech.sh [KELMO]: what the Orca screen reader says while a player
# plays Kelmo by keyboard. Starts Xvfb, a private D-Bus session with the
# accessibility bus, Orca and Kelmo (build/kelmo unless given), plays three
# One Player games with the digit keys, a win, a loss and a draw, and prints
# the lines Orca spoke during each. A developer's tool, not part of the
# tests: it needs xvfb openbox xdotool dbus at-spi2-core orca
# speech-dispatcher espeak-ng (apt-get install them). Speech goes to ALSA's
# null device, so nothing is heard; LANG chooses Kelmo's language.
set -eu
kelmo=$(realpath "${1:-build/kelmo}")
if [ "${ORCA_SPEECH_INSIDE-}" != 1 ]; then
    for tool in Xvfb openbox xdotool dbus-run-session orca speech-dispatcher; do
        command -v $tool >/dev/null || { echo "orca-speech.sh: $tool is missing" >&2; exit 2; }; done
    work=$(mktemp -d) && trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
    display=:$((100 + RANDOM % 400))
    Xvfb $display -screen 0 1024x768x24 >/dev/null 2>&1 & xvfb=$!
    sleep 1
    ORCA_SPEECH_INSIDE=1 WORK=$work DISPLAY=$display dbus-run-session -- "$0" "$kelmo" 2>/dev/null
    exit
fi

# Inside the private session: a home of our own, so that the speech server
# and Orca's settings are ours alone.
export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/run XDG_CONFIG_HOME=$WORK/home/.config XDG_CACHE_HOME=$WORK/home/.cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
sed 's/^# *AudioOutputMethod .*/AudioOutputMethod "alsa"/' /etc/speech-dispatcher/speechd.conf \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
log=$WORK/orca.log
openbox >/dev/null 2>&1 &
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
orca --replace --debug-file="$log" -u "$WORK/orca" >/dev/null 2>&1 &
trap 'kill $(jobs -p) 2>/dev/null; pkill -f "socket-path $XDG_RUNTIME_DIR" 2>/dev/null || true' EXIT
spoken() { grep -a 'SPEECH OUTPUT' "$log" 2>/dev/null | sed "s/^.*SPEECH OUTPUT: '\(.*\)' *{'established.*$/\1/"; }
until spoken | grep -q 'Screen reader on'; do sleep 0.5; done

"$kelmo" >/dev/null 2>&1 &
until window=$(xdotool search --name '^Kelmo$' 2>/dev/null | head -1) && [ -n "$window" ]; do sleep 0.5; done
xdotool windowactivate --sync "$window"
sleep 2

# Plays the digit keys in turn until a result box opens, which Enter then
# closes; says whether that box said `wanted`.
play() {
    local wanted=$1 key; shift
    for key in "$@"; do
        xdotool key "$key"; sleep 1.5
        if spoken | tail -n +$((mark + 1)) | grep -q 'You Win\|You Lose'; then
            xdotool key Return; sleep 1.5
            spoken | tail -n +$((mark + 1)) | grep -q "$wanted"
            return
        fi
    done
    [ "$wanted" = draw ]
}
game() {
    local title=$1 wanted=$2 tries=$3; shift 3
    for _ in $(seq "$tries"); do
        xdotool key F2; sleep 1.5
        mark=$(spoken | wc -l)
        if play "$wanted" "$@"; then
            echo "== $title"
            spoken | tail -n +$((mark + 1))
            return
        fi
    done
    echo "== $title: not reached in $tries games"
}
# The computer blocks every line but a fork; it forks itself only where it
# draws a corner at random, so the win is tried until it comes.
game "a win" "You Win" 30 1 9 7 4 8 3 2 6
game "a loss" "You Lose" 1 1 2 8
game "a draw" draw 1 1 2 7 6 8 9
