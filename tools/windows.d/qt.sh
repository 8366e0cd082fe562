# Sourced by tools/windows. Builds a static Qt for MinGW-w64 from Debian's
# qt6-base source, once: the result is kept in the cache, in a folder named
# after Debian's qt6-base version, the compiler version and the configure
# line, and reused while these stay the same.
#
# Needs: $cache, $jobs, $toolchain, cache_folder, cached, once. Sets: $qt_prefix.

# The Qt modules the program and its tests use (Core, Gui, Widgets, Test) with
# the windows and offscreen platforms; the rest is left out to save time.
# Debian's source has no wintab, hence no tablet events.
qt_configure_options=(
    -release -static -static-runtime -gc-binaries
    -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-feature-zstd -no-feature-tabletevent
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent -no-feature-xml
    -no-feature-androiddeployqt -no-feature-windeployqt -no-feature-macdeployqt -no-feature-qmake
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
)

# Debian's qt6-base source of exactly the host's Qt version (its moc and rcc
# build the Windows Qt), fetched through a private apt configuration: the
# machine's apt sources stay as they are.
qt_fetch_source() {
    local version=$1 dest=$2
    local apt_dir=$cache/apt
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$apt_dir/lists/partial" "$dest"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] ${METALCALC_DEBIAN_MIRROR:-http://deb.debian.org/debian} $codename main" \
        >"$apt_dir/sources.list"
    local apt=(apt-get -q -o "Dir::Etc::sourcelist=$apt_dir/sources.list" -o Dir::Etc::sourceparts=-
               -o "Dir::State::Lists=$apt_dir/lists" -o APT::Sandbox::User=root)
    "${apt[@]}" update
    (cd "$dest" && "${apt[@]}" source --download-only "qt6-base=$version")
    # apt checked the files against the signed index; dpkg-source warns that
    # it has no key for the .dsc signature itself. It unpacks into no folder
    # that exists, such as the half of one that a stopped run left.
    rm -rf "$dest/qtbase"
    dpkg-source -x "$dest/qt6-base_${version#*:}.dsc" "$dest/qtbase" >"$dest/dpkg-source.log" 2>&1
}

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
    qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    qt_prefix=$(cache_folder qt "$qt_version" "${qt_configure_options[*]}")
    cached "$qt_prefix" "Static Qt $qt_version for Windows" && return
    local work=$qt_prefix.build
    local start=$SECONDS
    # After a run that was stopped the source stays unpacked and configured
    # (unpacking it again would make every object out of date), and ninja
    # builds what is missing.
    once "$work" source qt_fetch_source "$qt_version" "$work/source"
    once "$work" configure qt_configure "$work"
    cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build" >/dev/null
    qt_copy_licences "$work/source/qtbase" "$qt_prefix/licences"
    printf '%s\n' "qt6-base $qt_version" "${qt_configure_options[*]}" >"$qt_prefix/.complete"
    rm -rf "$work"
    echo "Static Qt built in $((SECONDS - start)) s"
}
