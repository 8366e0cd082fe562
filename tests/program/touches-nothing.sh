#!/usr/bin/env bash
# The program touches nothing: a short session at the real program (the
# program's entry with touchsession.cpp) runs under strace with a fresh HOME
# and fresh XDG folders and a clean environment, once on the offscreen
# platform and once on X11 under a private Xvfb, where the footer's link
# really reaches the desktop's opener: a fake xdg-open first on PATH that
# writes down what it is given, with a private session bus as a desktop has.
# Fails when
#   - the session does not end by its close control having seen what it
#     should (typing, a material, a kind, the list window from its module,
#     the question about the unsaved list);
#   - a file or folder under HOME or an XDG folder is created, changed or
#     removed, even for a moment (strace of the program and what it starts),
#     or is different afterwards;
#   - any socket but a Unix one is opened;
#   - on X11, the opener is not handed exactly the seller's address, once.
#
# touches-nothing.sh <session executable> <seller's address>
set -euo pipefail
session=$1
seller=$2
scratch=$(mktemp -d)
servers=()
cleanup() {
    for pid in ${servers[@]+"${servers[@]}"}; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL ($platform): $*"
    failures=$((failures + 1))
}

# The fake opener records outside the watched folders.
mkdir -p "$scratch/bin"
cat >"$scratch/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>"$scratch/opened"
EOF
chmod +x "$scratch/bin/xdg-open"

run() {
    platform=$1
    shift
    local root=$scratch/$platform
    local watched=("$root/home" "$root/config" "$root/cache" "$root/data" "$root/state" "$root/runtime")
    mkdir -p "${watched[@]}"
    chmod 700 "$root/runtime"
    rm -f "$scratch/opened"
    find "${watched[@]}" -printf '%y %m %s %T@ %p\n' | sort >"$root/before"

    local status=0
    env -i PATH="$scratch/bin:/usr/bin:/bin" HOME="$root/home" USER=nobody LANG=C.UTF-8 LC_ALL=C.UTF-8 \
        XDG_CONFIG_HOME="$root/config" XDG_CACHE_HOME="$root/cache" XDG_DATA_HOME="$root/data" \
        XDG_STATE_HOME="$root/state" XDG_RUNTIME_DIR="$root/runtime" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$@" \
        strace -f -qq -s 400 -e trace=%file,%network -e signal=none -o "$root/trace" \
        "$session" >"$root/out" 2>"$root/err" || status=$?
    sed 's/^/  /' "$root/out"
    [ "$status" -eq 0 ] || fail "the session ended with status $status: $(tail -5 "$root/err")"
    grep -q '^session: closing$' "$root/out" || fail "the session did not reach its close control"
    grep -q '^session: not saving the list$' "$root/out" || fail "closing did not ask about the list"

    find "${watched[@]}" -printf '%y %m %s %T@ %p\n' | sort >"$root/after"
    if ! diff "$root/before" "$root/after" >"$root/changed"; then
        fail "files changed under HOME or XDG folders:"
        sed 's/^/    /' "$root/changed"
    fi

    # Calls that create, write, rename or remove, on a watched path.
    local touched
    touched=$({
        grep -E '^[0-9]+ +(creat|mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|chown|lchown|fchownat|utimensat|mknod|mknodat)\(' "$root/trace"
        grep -E '^[0-9]+ +open(at)?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)' "$root/trace"
    } | grep -F "$root/" | grep -v ' = -1 E'; true)
    if [ -n "$touched" ]; then
        fail "calls that write under HOME or XDG folders:"
        sed 's/^/    /' <<<"$touched"
    fi

    local sockets
    sockets=$(grep -E '^[0-9]+ +socket\(' "$root/trace" | grep -Ev 'socket\((AF_UNIX|AF_LOCAL|PF_UNIX|PF_LOCAL),'; true)
    if [ -n "$sockets" ]; then
        fail "sockets other than Unix ones:"
        sed 's/^/    /' <<<"$sockets"
    fi
    echo "$platform: $(grep -cE '^[0-9]+ +socket\(' "$root/trace") Unix sockets, $(wc -l <"$root/trace") file and network calls"
}

run offscreen QT_QPA_PLATFORM=offscreen
# The offscreen platform has no desktop to hand a link to: nothing is opened.
if [ -e "$scratch/opened" ]; then
    fail "the opener was called: $(cat "$scratch/opened")"
fi

# A desktop: an X server, and a session bus (without one, D-Bus would start
# one of its own and note its address in HOME), each with files of its own.
platform=xcb
start() {
    local ready=$1
    shift
    "$@" 5>"$scratch/$ready" 2>>"$scratch/servers.log" &
    servers+=($!)
    for _ in $(seq 100); do
        [ -s "$scratch/$ready" ] && return
        sleep 0.1
    done
    cat "$scratch/servers.log"
    fail "$1 did not start"
    exit 1
}
start display Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x1024x24
mkdir -m 700 "$scratch/bus-runtime"
start bus-address env XDG_RUNTIME_DIR="$scratch/bus-runtime" dbus-daemon --session --nofork --nopidfile --print-address=5
# Under AddressSanitizer: libxkbcommon-x11 copies the X server's keymap
# names with strndup from buffers that hold no terminating NUL, which strict
# string checks report as an overflow of the library's own.
[ -n "${ASAN_OPTIONS:-}" ] && ASAN_OPTIONS+=:strict_string_checks=0
run xcb QT_QPA_PLATFORM=xcb DISPLAY=":$(head -1 "$scratch/display")" \
    DBUS_SESSION_BUS_ADDRESS="$(head -1 "$scratch/bus-address")"
opened=$(cat "$scratch/opened" 2>/dev/null; true)
[ "$opened" = "$seller" ] || fail "the opener was handed \"$opened\", not \"$seller\" once"
echo "xcb: the opener was handed: $opened"

[ "$failures" -eq 0 ] || exit 1
echo "touches nothing"
