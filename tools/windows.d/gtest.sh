# Sourced by tools/windows. Cross-builds GoogleTest from the sources that
# Debian's libgtest-dev ships, once per googletest version and compiler.
#
# Needs: $jobs, $toolchain, cache_folder, cached. Sets: $gtest_dir (its CMake package).

gtest_build() {
    local version prefix
    version=$(dpkg-query -W -f='${Version}' googletest)
    prefix=$(cache_folder googletest "$version")
    gtest_dir=$prefix/lib/cmake/GTest
    cached "$prefix" "GoogleTest $version for Windows" && return
    local work=$prefix.build
    cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF >/dev/null
    cmake --build "$work" --parallel "$jobs" >/dev/null
    cmake --install "$work" >/dev/null
    echo "googletest $version" >"$prefix/.complete"
    rm -rf "$work"
}
