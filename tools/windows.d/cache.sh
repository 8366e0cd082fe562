# Sourced by tools/windows. The cache of the builds that take long (the static
# Qt, GoogleTest), made so that a run stopped halfway (Ctrl+C, a closed
# terminal, a time limit) is taken up by the next one: a build works in the
# scratch folder <folder>.build next to its cache folder <folder>, and keeps
# it until the build is finished; the steps that must not run twice (unpacking
# a source, configuring) leave a mark there once they have succeeded.
#
# Needs: $cache, $toolchain.

# cache_folder <name> <version> [<text>...]: the cache folder of a build,
# named after its version and a hash of all that decides it: the version, the
# compiler, the given text (a configure line) and the toolchain file. The
# name has no dash: the folders of one build are <name>-*.
cache_folder() {
    local name=$1 version=$2 key
    shift 2
    key=$(printf '%s\n' "$version" "$(x86_64-w64-mingw32-g++-posix -dumpfullversion -dumpversion)" \
        "$(x86_64-w64-mingw32-g++-posix --version | head -n1)" "$@" | cat - "$toolchain" | sha256sum | cut -c1-12)
    echo "$cache/$name-${version//[:+~]/_}-$key"
}

# cached <folder> <what>: true, after saying so, when the folder holds a
# finished build. Otherwise readies the scratch folder <folder>.build: keeps
# what an earlier run of the same build left there (the folder's name holds
# the key, so it was made with the same source, compiler and configure line),
# and removes the scratch folders of this build under other keys, which
# nothing would finish now.
cached() {
    local folder=$1 what=$2
    if [ -f "$folder/.complete" ]; then
        echo "$what: $folder (cached)"
        return 0
    fi
    local base=${folder##*/} old
    for old in "${folder%/*}/${base%%-*}"-*.build; do
        if [ -d "$old" ] && [ "$old" != "$folder.build" ]; then
            echo "Removing $old, left by a build with other settings"
            rm -rf "$old"
        fi
    done
    # A half-done install is simply done again.
    rm -rf "$folder"
    if [ -d "$folder.build" ]; then
        echo "Resuming $what in $folder.build, where an earlier run stopped"
    else
        echo "Building $what into $folder"
        mkdir -p "$folder.build"
    fi
    return 1
}

# once <scratch folder> <step> <command>...: runs the command unless an
# earlier run in this scratch folder finished the step. The mark is written
# only after the command succeeded: a step that was stopped or failed runs
# again in full, so the command must start from what such a step leaves.
once() {
    local marker=$1/.$2.done step=$2 status
    shift 2
    if [ -f "$marker" ]; then
        echo "  $step: done by an earlier run"
        return 0
    fi
    # Not in a condition, so that set -e still stops the step at its first
    # failing command.
    "$@"
    status=$?
    [ $status -ne 0 ] || touch "$marker"
    return $status
}

# cmake_configure <source> <build folder> <argument>...: configures a CMake
# build for Windows from nothing: a configure run that was stopped leaves a
# half-written CMake cache behind.
cmake_configure() {
    local source=$1 build=$2
    shift 2
    rm -rf "$build"
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" "$@" >/dev/null
}
