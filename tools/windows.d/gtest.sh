# Sourced by tools/windows. Cross-builds GoogleTest from the sources that
# Debian's libgtest-dev ships, once per googletest version and compiler.
#
# Needs: $jobs, $toolchain, cache_folder, cached, once. Sets: $gtest_dir (its CMake package).

# gtest_configure <build folder> <prefix>: configures from nothing, for the
# same reason as qt_configure.
gtest_configure() {
    rm -rf "$1"
    cmake -S /usr/src/googletest -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$2" -DBUILD_GMOCK=OFF >/dev/null
}

gtest_build() {
    local version prefix
    version=$(dpkg-query -W -f='${Version}' googletest)
    prefix=$(cache_folder googletest "$version")
    gtest_dir=$prefix/lib/cmake/GTest
    cached "$prefix" "GoogleTest $version for Windows" && return
    local work=$prefix.build
    # A run that was stopped goes on with the objects built (see qt_build).
    once "$work" configure gtest_configure "$work/build" "$prefix"
    cmake --build "$work/build" --parallel "$jobs" >/dev/null
    cmake --install "$work/build" >/dev/null
    echo "googletest $version" >"$prefix/.complete"
    rm -rf "$work"
}
