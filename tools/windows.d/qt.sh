# Sourced by tools/windows. Builds a static Qt for MinGW-w64 from Debian's
# qt6-base source, once: the result is kept in the cache, in a folder named
# after Debian's qt6-base version, the compiler version and the configure
# line, and reused while these stay the same.
#
# Needs: $jobs, $toolchain, cache_folder, cached, once, source_version,
# debian_source. Sets: $qt_prefix.

# The Qt modules the program and its tests use (Core, Gui, Widgets,
# PrintSupport, Test) with the windows and offscreen platforms; the rest is
# left out to save time.
# Debian's source has no wintab, hence no tablet events.
qt_configure_options=(
    -release -static -static-runtime -gc-binaries
    -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-feature-zstd -no-feature-tabletevent
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
    -no-feature-androiddeployqt -no-feature-windeployqt -no-feature-macdeployqt -no-feature-qmake
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
)

# Qt's licences and those of the libraries it carries, for the zip.
qt_copy_licences() {
    local source=$1 dest=$2 lib file
    mkdir -p "$dest"
    cp "$source"/LICENSES/{LGPL-3.0-only,GPL-2.0-only,GPL-3.0-only,Qt-GPL-exception-1.0}.txt "$dest/"
    for lib in zlib libpng libjpeg freetype harfbuzz-ng pcre2 double-conversion md4c; do
        for file in "$source/src/3rdparty/$lib"/*; do
            case ${file##*/} in
            LICEN[CS]E* | COPYING* | *-license.txt | *-LICENSE.txt)
                cp "$file" "$dest/qt-$lib-$(basename "$file" .txt).txt"
                ;;
            esac
        done
    done
}

# qt_configure <scratch folder>: configures the build in <scratch>/build,
# from nothing: a configure run that was stopped leaves a half-written CMake
# cache behind.
qt_configure() {
    local work=$1
    rm -rf "$work/build"
    mkdir -p "$work/build"
    (cd "$work/build" &&
        "$work/source/qtbase/configure" -prefix "$qt_prefix" "${qt_configure_options[@]}" \
            -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
        { tail -n 40 configure.log; return 1; })
}

qt_build() {
    local qt_version
    # The source of exactly the host's Qt version: its moc and rcc build the
    # Windows Qt.
    qt_version=$(source_version qt6-base-dev)
    qt_prefix=$(cache_folder qt "$qt_version" "${qt_configure_options[*]}")
    cached "$qt_prefix" "Static Qt $qt_version for Windows" && return
    local work=$qt_prefix.build
    local start=$SECONDS
    # After a run that was stopped the source stays unpacked and configured
    # (unpacking it again would make every object out of date), and ninja
    # builds what is missing.
    once "$work" source debian_source qt6-base "$qt_version" "$work/source" qtbase
    once "$work" configure qt_configure "$work"
    cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build" >/dev/null
    qt_copy_licences "$work/source/qtbase" "$qt_prefix/licences"
    printf '%s\n' "qt6-base $qt_version" "${qt_configure_options[*]}" >"$qt_prefix/.complete"
    rm -rf "$work"
    echo "Static Qt built in $((SECONDS - start)) s"
}
