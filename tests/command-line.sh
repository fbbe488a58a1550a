#!/bin/sh
# command-line.sh KELMO VERSION: --help and --version are answered before any
# window or display exists (no platform Qt could load is given), and wrong
# use ends with status 2.
kelmo=$1 version=$2
export QT_QPA_PLATFORM=no-such-platform
unset DISPLAY WAYLAND_DISPLAY
check() {
    status=$1 said=$2
    shift 2
    out=$("$kelmo" "$@" 2>&1)
    got=$?
    [ "$got" = "$status" ] && printf '%s' "$out" | grep -qF -- "$said" ||
        { echo "kelmo $*: status $got, expected $status and \"$said\" in: $out"; exit 1; }
}
check 0 "-v, --version" --help
check 0 "kelmo $version" -v
check 0 "kelmo $version" -platform xcb --version
check 2 "Unknown option 'colour'" --colour
check 2 "Unexpected argument 'game.txt'" game.txt
