# Sourced by tools/windows. The cache of the builds that take long (the static
# Qt, GoogleTest).
#
# Needs: $cache, $toolchain.

# cache_folder <name> <version> [<text>...]: the cache folder of a build,
# named after its version and a hash of all that decides it: the version, the
# compiler, the given text (a configure line) and the toolchain file.
cache_folder() {
    local name=$1 version=$2 key
    shift 2
    key=$(printf '%s\n' "$version" "$(x86_64-w64-mingw32-g++-posix -dumpfullversion -dumpversion)" \
        "$(x86_64-w64-mingw32-g++-posix --version | head -n1)" "$@" | cat - "$toolchain" | sha256sum | cut -c1-12)
    echo "$cache/$name-${version//[:+~]/_}-$key"
}

# cached <folder> <what>: true, after saying so, when the folder holds a
# finished build; otherwise empties it and its scratch folder <folder>.build.
cached() {
    if [ -f "$1/.complete" ]; then
        echo "$2: $1 (cached)"
        return 0
    fi
    echo "Building $2 into $1"
    rm -rf "$1" "$1.build"
    mkdir -p "$1.build"
    return 1
}
