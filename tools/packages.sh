# The Debian packages each command needs; sourced by the scripts in tools/.
# libxlsxwriter writes the list's .xlsx workbooks (the export module).
build_packages=(cmake ninja-build g++ qt6-base-dev libxcb1-dev libxlsxwriter-dev)
# The fuzz target needs clang with libFuzzer; the touches-nothing check
# strace, an X server and a session bus; the export tests Debian's openpyxl
# and poppler's PDF tools, to read what the program wrote; the check of the
# standard size tables Python.
test_packages=("${build_packages[@]}" qt6-base-private-dev libgtest-dev libbenchmark-dev clang-format git appstream
               desktop-file-utils man-db clang libclang-rt-14-dev strace xvfb dbus-daemon locales python3-openpyxl poppler-utils
               python3)
bench_packages=("${build_packages[@]}" libbenchmark-dev python3 xvfb xauth libx11-6 libxdamage1 dbus)
# tools/windows: the MinGW-w64 cross compiler, the host Qt whose moc and rcc
# build the Windows Qt, what fetches and unpacks Debian's qt6-base source and
# packs the zip; for its tests GoogleTest's source, Wine, the locales the tests
# run under, and the smoke test's display, typing and screenshots.
windows_packages=("${build_packages[@]}" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-common
                  dpkg-dev xz-utils debian-archive-keyring zip)
windows_test_packages=(libgtest-dev wine64 locales xvfb openbox xdotool imagemagick)
# tools/make-fonts: the font subsetter (Debian's Python has it).
fonts_packages=(python3-fonttools dpkg)
# tools/package: the Debian packaging tools, the package's Build-Depends
# (debian/control), and the checkers it runs on the result.
package_packages=(build-essential debhelper dpkg-dev cmake qt6-base-dev libxcb1-dev libxlsxwriter-dev git lintian appstream desktop-file-utils)
