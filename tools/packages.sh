# The Debian packages each command needs; sourced by the scripts in tools/.
build_packages=(cmake ninja-build g++ qt6-base-dev libxcb1-dev)
# The fuzz target needs clang with libFuzzer; the touches-nothing check
# strace, an X server and a session bus.
test_packages=("${build_packages[@]}" qt6-base-private-dev libgtest-dev libbenchmark-dev clang-format git appstream
               desktop-file-utils man-db clang libclang-rt-14-dev strace xvfb dbus-daemon)
bench_packages=("${build_packages[@]}" libbenchmark-dev python3 xvfb xauth libx11-6 libxdamage1 dbus)
# tools/package: the Debian packaging tools, the package's Build-Depends
# (debian/control), and the checkers it runs on the result.
package_packages=(build-essential debhelper dpkg-dev cmake qt6-base-dev libxcb1-dev git lintian appstream desktop-file-utils)
