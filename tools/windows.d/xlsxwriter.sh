# Sourced by tools/windows. Cross-builds libxlsxwriter, which writes the
# list's .xlsx workbooks, and the zlib it packs them with, as static
# libraries from Debian's sources of the versions the Linux build links, once
# per version, compiler and configure line.
#
# Needs: $jobs, cache_folder, cached, once, cmake_configure, source_version,
# debian_source. Sets: $zlib_prefix, $xlsxwriter_prefix.

# As Debian builds it, but one static library: the minizip and MD5 code that
# its source carries instead of the system's minizip and OpenSSL.
xlsxwriter_options=(-DBUILD_SHARED_LIBS=OFF -DUSE_SYSTEM_MINIZIP=OFF -DUSE_OPENSSL_MD5=OFF)

# zlib's CMake build makes a DLL too, from a resource file that Debian's
# source does not have: only the static library is built, and installed by
# hand.
zlib_build() {
    local version
    version=$(source_version zlib1g)
    zlib_prefix=$(cache_folder zlib "$version")
    cached "$zlib_prefix" "zlib $version for Windows" && return
    local work=$zlib_prefix.build
    once "$work" source debian_source zlib "$version" "$work/source" zlib
    # Its CMake file still asks for CMake 2.4, which CMake warns of.
    once "$work" configure cmake_configure "$work/source/zlib" "$work/build" -Wno-deprecated
    cmake --build "$work/build" --parallel "$jobs" --target zlibstatic >/dev/null
    mkdir -p "$zlib_prefix/lib" "$zlib_prefix/include" "$zlib_prefix/licences"
    cp "$work/build/libzlibstatic.a" "$zlib_prefix/lib/libz.a"
    cp "$work/source/zlib/zlib.h" "$work/build/zconf.h" "$zlib_prefix/include/"
    cp "$work/source/zlib/LICENSE" "$zlib_prefix/licences/zlib.txt"
    echo "zlib $version" >"$zlib_prefix/.complete"
    rm -rf "$work"
}

xlsxwriter_build() {
    zlib_build
    local version
    version=$(source_version libxlsxwriter-dev)
    xlsxwriter_prefix=$(cache_folder xlsxwriter "$version" "${xlsxwriter_options[*]}" "$zlib_prefix")
    cached "$xlsxwriter_prefix" "libxlsxwriter $version for Windows" && return
    local work=$xlsxwriter_prefix.build
    once "$work" source debian_source libxlsxwriter "$version" "$work/source" libxlsxwriter
    once "$work" configure cmake_configure "$work/source/libxlsxwriter" "$work/build" \
        -DCMAKE_INSTALL_PREFIX="$xlsxwriter_prefix" "${xlsxwriter_options[@]}" \
        -DZLIB_INCLUDE_DIR="$zlib_prefix/include" -DZLIB_LIBRARY="$zlib_prefix/lib/libz.a"
    cmake --build "$work/build" --parallel "$jobs" >/dev/null
    cmake --install "$work/build" >/dev/null
    mkdir -p "$xlsxwriter_prefix/licences"
    cp "$work/source/libxlsxwriter/License.txt" "$xlsxwriter_prefix/licences/libxlsxwriter.txt"
    echo "libxlsxwriter $version" >"$xlsxwriter_prefix/.complete"
    rm -rf "$work"
}
