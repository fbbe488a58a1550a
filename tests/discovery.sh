#!/bin/bash
# discovery.sh KELMO_TESTS: runs TestDiscovery against real Avahi daemons.
# Each simulated host has network, mount, UTS and PID namespaces and a /run
# of its own: its bus and daemon end with it, and never touch the machine's
# own network. Where such namespaces cannot be made (not root, a chroot, an
# unprivileged container), it says why and skips (77).
set -eu
skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "the namespaces need root"
for tool in unshare nsenter ip dbus-daemon dbus-send avahi-daemon pkill; do
    command -v $tool >/dev/null || skip "$tool is missing"; done
namespaces=(unshare --net --mount --uts --pid --fork --mount-proc --propagation private)
why=$("${namespaces[@]}" true 2>&1) || skip "cannot make the namespaces here ($why)"
tests=$(realpath "$1")
# The daemon runs once it has established its host name on the link.
running() { dbus-send --system --print-reply --dest=org.freedesktop.Avahi / org.freedesktop.Avahi.Server.GetState | grep -q 'int32 2'; }
retry() { for _ in $(seq 300); do "$@" 2>/dev/null && return; sleep 0.1; done; echo "gave up on: $*"; return 1; }

# Inside a host: host NAME daemon|bus|none ADDRESS|- KELMO_AVAHI TEST...
if [ "${2-}" = host ]; then
    hostname "$3" && ip link set lo up
    sysctl -qw net.ipv6.conf.default.accept_dad=0 # IPv6 on the link at once
    mount -t tmpfs tmpfs /run && mkdir -p /run/dbus /run/avahi-daemon
    # The games a flooding host announces: a thousand, as static services.
    mount -t tmpfs tmpfs /etc/avahi/services
    if [ "$6" = flood ]; then
        for i in $(seq 1000); do
            echo "<service-group><name>Kelmo on flood-$i</name><service><type>_kelmo._tcp</type><port>1007</port></service></service-group>" >/etc/avahi/services/$i.service
        done
    fi
    if [ "$5" != - ]; then # the link comes from outside
        retry ip link show veth >/dev/null
        ip addr add "$5/24" dev veth && ip link set veth up
    fi
    [ "$4" = none ] || dbus-daemon --system --fork
    [ "$4" != daemon ] || { avahi-daemon --no-drop-root --no-chroot --no-rlimits -D && retry running; }
    KELMO_AVAHI=$6 "$tests" TestDiscovery "${@:7}"; exit
fi

host=("${namespaces[@]}" -- "$(realpath "$0")" "$tests" host)
failed=0
"${host[@]}" alpha daemon - daemon withoutDaemon || failed=1
for bus in bus none; do "${host[@]}" alpha $bus - none withoutDaemon || failed=1; done
for hostile in hung flood restart; do "${host[@]}" alpha daemon - $hostile hostileNetwork || failed=1; done

# Two hosts, joined by a veth pair made in the first one's namespace.
KELMO_SHARED=$(mktemp -d) && export KELMO_SHARED && trap 'rm -rf "$KELMO_SHARED"' EXIT
"${host[@]}" beta daemon 10.77.0.2 connect twoHosts & beta=$!
"${host[@]}" alpha daemon 10.77.0.1 wait twoHosts & alpha=$!
apart() { [ "$(readlink /proc/"$1"/ns/net)" != "$(readlink /proc/$$/ns/net)" ]; }
retry apart $alpha && retry apart $beta
nsenter --net=/proc/$alpha/ns/net ip link add veth type veth peer name veth netns $beta
for pid in $beta $alpha; do wait $pid || failed=1; done
exit $failed
