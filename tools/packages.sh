# The Debian packages each command needs; sourced by the scripts in tools/.
build_packages=(cmake ninja-build g++ qt6-base-dev)
# The fuzz target needs clang with libFuzzer; the touches-nothing check
# strace, an X server and a session bus.
test_packages=("${build_packages[@]}" libgtest-dev libbenchmark-dev clang-format git
               clang libclang-rt-14-dev strace xvfb dbus-daemon)
bench_packages=("${build_packages[@]}" libbenchmark-dev python3 xvfb xauth libx11-6 libxdamage1 dbus)
