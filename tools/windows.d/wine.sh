# Sourced by tools/windows. The Wine prefix that the tests and the smoke test
# run in, in the cache.
#
# Needs: $root, $cache.

wine_prepare() {
    # The locales the tests are registered under: Wine reads the Windows
    # locale, thousands separator and all, from the Unix one.
    local locale
    mkdir -p "$cache/locales"
    for locale in ru_RU en_US de_DE; do
        if [ ! -d "$cache/locales/$locale.UTF-8" ]; then
            # localedef fails on mere warnings too: what counts is the result.
            localedef -i "$locale" -f UTF-8 "$cache/locales/$locale.UTF-8" || true
            [ -f "$cache/locales/$locale.UTF-8/LC_NUMERIC" ]
        fi
    done
    # Made once; Wine brings it up to date when Wine itself changes.
    env -u DISPLAY "$root/tools/windows.d/wine" wineboot --init >/dev/null 2>&1
    WINEPREFIX=$cache/wine /usr/lib/wine/wineserver -w
}

wine_stop() {
    WINEPREFIX=$cache/wine /usr/lib/wine/wineserver -k 2>/dev/null || true
}
