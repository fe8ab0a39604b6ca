#!/usr/bin/env bash
# The real services the card tests run against: a private system bus, udev, udisks2, and exFAT
# "cards" A and B on loop devices that a udev rule of our own makes SD cards.
#   card_sandbox.sh check                  why this machine cannot run them (nothing: it can)
#   card_sandbox.sh start DIR              prints BUS=, UDISKSD=, CARD_A=, UUID_A=, CARD_B=, ...
#   card_sandbox.sh card DIR NAME SIZE [ro]   one more exFAT card (a sparse image, so 64G costs
#                                          little), read-only with "ro"; prints CARD_NAME=, UUID_NAME=
#   card_sandbox.sh mount DIR DEVICE FOLDER   mounts a card through FUSE, prints FUSE=pid
#   card_sandbox.sh bind DIR SOURCE FOLDER    a FUSE mount of a folder, on no device
#   card_sandbox.sh stop DIR               undoes everything DIR/state records, in reverse
# DIR ends in .PID of the test that owns it; a run whose owner died is undone at the next start.
set -u
command=$1
dir=${2:-}
state=$dir/state
record() { echo "$*" >>"$state"; }
daemon() { # LOG PROGRAM ARGS...: started in the background, its pid recorded and echoed
    local log=$1; shift
    "$@" </dev/null >>"$dir/$log" 2>&1 &
    record pid $! "$1"
    echo $!
}
running() { # PID PROGRAM: that process, still running (not a zombie, not a reused pid)
    grep -qF "$2" "/proc/$1/cmdline" 2>/dev/null && [ "$(sed 's/.*) //' "/proc/$1/stat" | cut -c1)" != Z ]
}
wait_for() { # up to ten seconds
    for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
make_card() { # NAME SIZE [ro]: an exFAT image on a loop device a rule of ours makes an SD card
    truncate -s "$2" "$dir/$1.img" && mkfs.exfat -L "KES$1" "$dir/$1.img" >/dev/null
    loop=$(losetup -f --show ${3:+-r} "$dir/$1.img") || exit 1
    record loop "$loop"
    # A device left read-only by `blockdev --setro` stays so through detach and attach.
    [ -n "${3:-}" ] || blockdev --setrw "$loop" || exit 1
    rule=/run/udev/rules.d/61-kestrova-test-${loop##*/}.rules
    record rule "$rule"
    echo "KERNEL==\"${loop##*/}\", ENV{ID_DRIVE_FLASH_SD}=\"1\", ENV{UDISKS_SYSTEM}=\"0\", ENV{ID_SERIAL}=\"Kestrova_Test_$1\"" >"$rule"
    echo "CARD_$1=$loop"
    echo "UUID_$1=$(blkid -p -o value -s UUID "$loop")"
}
udisksd=/usr/libexec/udisks2/udisksd
PATH=/usr/sbin:/sbin:$PATH

case $command in
check)
    [ "$(id -u)" = 0 ] || { echo "the card tests need root"; exit; }
    [ -e /dev/loop-control ] && [ -e /dev/fuse ] || { echo "no /dev/loop-control or /dev/fuse"; exit; }
    for tool in dbus-daemon dbus-send udevadm losetup blkid mkfs.exfat mount.exfat-fuse bindfs \
        $udisksd; do
        command -v $tool >/dev/null || { echo "$tool is missing: run scripts/install-deps"; exit; }
    done
    [ -x /lib/systemd/systemd-udevd ] || udevadm control --ping 2>/dev/null ||
        { echo "no udev daemon to start"; exit; }
    losetup -f >/dev/null 2>&1 || echo "no free loop device"
    ;;
start)
    for old in "${dir%.*}".*; do
        [ "$old" != "$dir" ] && [ -f "$old/state" ] && ! kill -0 "${old##*.}" 2>/dev/null &&
            "$0" stop "$old"
    done
    mkdir -p "$dir" && : >"$state"
    cat >"$dir/bus.conf" <<EOF
<busconfig><type>system</type><listen>unix:path=$dir/bus</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_type="method_call"/>
<allow send_type="signal"/><allow send_type="method_return"/><allow send_type="error"/>
<allow receive_type="method_call"/><allow receive_type="method_return"/>
<allow receive_type="error"/><allow receive_type="signal"/></policy></busconfig>
EOF
    daemon bus.log dbus-daemon --config-file="$dir/bus.conf" --nofork >/dev/null
    if ! udevadm control --ping 2>/dev/null; then
        for made in /run/udev /dev/disk; do [ -e $made ] || record made $made; done
        daemon udevd.log /lib/systemd/systemd-udevd >/dev/null
        wait_for udevadm control --ping || { echo "udevd did not start"; exit 1; }
    fi
    [ -e /run/udisks2 ] || record made /run/udisks2
    mkdir -p /run/udev/rules.d
    for card in A B; do make_card "$card" 1G; done
    udevadm control --reload && udevadm trigger --subsystem-match=block && udevadm settle --timeout=30
    export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$dir/bus
    echo "BUS=$DBUS_SYSTEM_BUS_ADDRESS"
    echo "UDISKSD=$(daemon udisksd.log $udisksd)"
    wait_for dbus-send --system --print-reply --dest=org.freedesktop.UDisks2 \
        /org/freedesktop/UDisks2 org.freedesktop.DBus.Peer.Ping || { echo "udisksd did not start"; exit 1; }
    ;;
card)
    make_card "$3" "$4" "${5:-}"
    udevadm control --reload && udevadm trigger --subsystem-match=block --sysname-match="${loop##*/}" &&
        udevadm settle --timeout=30
    ;;
mount | bind) # a card's device through exFAT's FUSE daemon, or a folder through bindfs
    mkdir -p "$4" && record mount "$4"
    if [ "$command" = mount ]; then
        echo "FUSE=$(daemon fuse.log mount.exfat-fuse -d "$3" "$4")"
    else
        echo "FUSE=$(daemon fuse.log bindfs -f "$3" "$4")"
    fi
    wait_for mountpoint -q "$4" || exit 1
    ;;
stop)
    [ -f "$state" ] || exit 0
    tac "$state" >"$state.reverse"
    while read -r kind what program; do
        [ "$kind" = pid ] && running "$what" "$program" && kill -CONT "$what"
    done <"$state.reverse"
    while read -r kind what _; do
        case $kind in
        mount) umount -l "$what" 2>/dev/null ;;
        loop) losetup -d "$what" 2>/dev/null ;;
        rule) rm -f "$what" && udevadm control --reload 2>/dev/null ;;
        esac
    done <"$state.reverse"
    udevadm settle --timeout=10 2>/dev/null
    while read -r kind what program; do
        case $kind in
        pid) running "$what" "$program" && kill "$what" &&
            { wait_for eval "! running $what $program" || kill -KILL "$what"; } ;;
        made) rm -rf "$what" ;;
        esac
    done <"$state.reverse"
    rm -rf "$dir"
    ;;
esac
