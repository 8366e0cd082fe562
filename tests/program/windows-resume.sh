#!/usr/bin/env bash
# tools/windows takes up the static Qt and GoogleTest builds where a stopped
# run left them: the source is not unpacked again, the build not configured
# again, the objects built stay; a build with another key starts clean. Runs
# tools/windows.d's functions with stand-ins for the compiler, apt, configure
# and cmake, which note what they were asked to do.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cache=$tmp/cache
toolchain=$tmp/toolchain.cmake
# shellcheck disable=SC2034 # read by the sourced functions
jobs=2
mkdir -p "$cache"
echo 'set(CMAKE_SYSTEM_NAME Windows)' >"$toolchain"
source "$root/tools/windows.d/cache.sh"
source "$root/tools/windows.d/source.sh"
source "$root/tools/windows.d/qt.sh"
source "$root/tools/windows.d/gtest.sh"

calls=$tmp/calls
stop_at=
compiler=12.2.0

# step <name>: notes the step; a run is stopped there, as by Ctrl+C, when
# the name is $stop_at.
step() {
    echo "$1" >>"$calls"
    if [ "$1" = "$stop_at" ]; then exit 130; fi
}
x86_64-w64-mingw32-g++-posix() { echo "$compiler"; }
dpkg-query() { echo 6.4.2+dfsg-10; }
qt_copy_licences() { mkdir -p "$2"; }
debian_source() {
    mkdir -p "$3/$4"
    cat >"$3/$4/configure" <<EOF
#!/bin/sh
echo "\$2" >prefix
echo configure >>"$calls"
[ "\$STOP_AT" != configure ]
EOF
    chmod +x "$3/$4/configure"
    step fetch
}
# Configure notes the install prefix. The build notes how many objects it
# found built, and builds one more.
cmake() {
    case $1 in
    -S)
        mkdir -p "$4"
        printf '%s\n' "$@" | sed -n 's/^-DCMAKE_INSTALL_PREFIX=//p' >"$4/prefix"
        step configure
        ;;
    --build)
        local objects
        objects=$(find "$2" -name '*.obj' | wc -l)
        touch "$2/$objects.obj"
        step "build:$objects"
        ;;
    --install)
        mkdir -p "$(cat "$2/prefix")"
        step install
        ;;
    esac
}

failures=0
# run <function> <stop at> <expected steps>: one run of tools/windows' build
# function in a subshell under set -e, as tools/windows runs it.
run() {
    : >"$calls"
    stop_at=$2
    set +e
    (
        set -e
        export STOP_AT=$2
        "$1"
    ) >"$tmp/out" 2>&1
    set -e
    local got
    got=$(paste -sd' ' "$calls")
    if [ "$got" != "$3" ]; then
        echo "FAIL: $1 stopped at '$2': steps '$got', expected '$3'; its output:"
        sed 's/^/    /' "$tmp/out"
        failures=$((failures + 1))
    fi
}

# Stopped while compiling, then run to the end, then cached.
run qt_build build:0 "fetch configure build:0"
run qt_build "" "build:1 install"
run qt_build "" ""
# Another compiler: a new build, stopped while configuring, which the next
# run configures again from the source unpacked.
compiler=12.3.0
run qt_build configure "fetch configure"
run qt_build "" "configure build:0 install"
# Another configure line: a new build, stopped; with yet another line the
# stopped build's objects are not taken up, and its scratch folder goes.
qt_configure_options+=(-no-feature-a)
run qt_build build:0 "fetch configure build:0"
stale=$(compgen -G "$cache/qt-*.build" || true)
qt_configure_options+=(-no-feature-b)
run qt_build "" "fetch configure build:0 install"
if [ -z "$stale" ] || [ -e "$stale" ]; then
    echo "FAIL: the scratch folder of another configure line is left: $stale"
    failures=$((failures + 1))
fi

run gtest_build build:0 "configure build:0"
run gtest_build "" "build:1 install"
run gtest_build "" ""

# A step that failed is not marked done, even where set -e does not apply.
mkdir -p "$tmp/scratch"
if once "$tmp/scratch" unpack false >/dev/null || [ -e "$tmp/scratch/.unpack.done" ]; then
    echo "FAIL: a failed step counts as done"
    failures=$((failures + 1))
fi

[ $failures -eq 0 ]
