# Sourced by tools/windows. Strips the program into the dist folder, checks
# that it needs no DLL beyond Windows' own and packs the zip.
#
# Needs: $root, $build, $dist, $qt_prefix, $zlib_prefix, $xlsxwriter_prefix.
# Sets: $zip.

pack_program() {
    local version staging
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    rm -rf "$dist"
    staging=$dist/metalcalc-$version-windows-x64
    mkdir -p "$staging/licences"
    x86_64-w64-mingw32-strip -o "$dist/metalcalc.exe" "$build/metalcalc.exe"

    # Every DLL the program imports must be a system one: none of the MinGW
    # runtime's, none of Qt's.
    local dll own=()
    while read -r dll; do
        if compgen -G "/usr/x86_64-w64-mingw32/lib/$dll" >/dev/null ||
            compgen -G "/usr/lib/gcc/x86_64-w64-mingw32/*/$dll" >/dev/null ||
            compgen -G "$qt_prefix/bin/$dll" >/dev/null || [[ $dll == Qt6* ]]; then
            own+=("$dll")
        fi
    done < <(x86_64-w64-mingw32-objdump -p "$dist/metalcalc.exe" | sed -n 's/^\s*DLL Name: //p')
    if [ ${#own[@]} -gt 0 ]; then
        echo "metalcalc.exe needs DLLs that Windows does not have: ${own[*]}" >&2
        return 1
    fi

    cp "$dist/metalcalc.exe" "$staging/"
    cp "$root/tools/windows.d/README.txt" "$staging/README.txt"
    cp "$root"/assets/fonts/LICENSE.* "$staging/licences/"
    cp "$qt_prefix"/licences/* "$zlib_prefix"/licences/* "$xlsxwriter_prefix"/licences/* "$staging/licences/"
    cp /usr/share/doc/mingw-w64-common/copyright "$staging/licences/mingw-w64.txt"
    if compgen -G "$root/LICENSE*" >/dev/null; then
        cp "$root"/LICENSE* "$staging/"
    fi
    zip="$dist/metalcalc-$version-windows-x64.zip"
    (cd "$dist" && find "$(basename "$staging")" -exec touch -d @0 {} + &&
        zip -q -X -r -9 "$zip" "$(basename "$staging")")
}
