# Sourced by tools/windows. Cross-builds GoogleTest from the sources that
# Debian's libgtest-dev ships, once per googletest version and compiler.
#
# Needs: $jobs, cache_folder, cached, once, cmake_configure. Sets: $gtest_dir (its CMake package).

gtest_build() {
    local version prefix
    version=$(dpkg-query -W -f='${Version}' googletest)
    prefix=$(cache_folder googletest "$version")
    gtest_dir=$prefix/lib/cmake/GTest
    cached "$prefix" "GoogleTest $version for Windows" && return
    local work=$prefix.build
    # A run that was stopped goes on with the objects built (see qt_build).
    once "$work" configure cmake_configure /usr/src/googletest "$work/build" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF
    cmake --build "$work/build" --parallel "$jobs" >/dev/null
    cmake --install "$work/build" >/dev/null
    echo "googletest $version" >"$prefix/.complete"
    rm -rf "$work"
}
