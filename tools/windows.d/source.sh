# Sourced by tools/windows. Debian's source packages that the Windows build
# is built from (qt6-base, zlib, libxlsxwriter), each of exactly the version
# the host has, so that the two builds share their sources.
#
# Needs: $cache.

# source_version <installed package>: the version of the source package it
# was built from (a rebuilt binary, 1.1.4-2+b1, comes from source 1.1.4-2).
source_version() {
    dpkg-query -W -f='${source:Version}' "$1"
}

# debian_source <package> <version> <dest> <folder>: fetches the source
# package through a private apt configuration (the machine's apt sources stay
# as they are) into <dest> and unpacks it into <dest>/<folder>.
debian_source() {
    local package=$1 version=$2 dest=$3 folder=$4
    local apt_dir=$cache/apt
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$apt_dir/lists/partial" "$dest"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] ${METALCALC_DEBIAN_MIRROR:-http://deb.debian.org/debian} $codename main" \
        >"$apt_dir/sources.list"
    local apt=(apt-get -q -o "Dir::Etc::sourcelist=$apt_dir/sources.list" -o Dir::Etc::sourceparts=-
               -o "Dir::State::Lists=$apt_dir/lists" -o APT::Sandbox::User=root)
    "${apt[@]}" update
    (cd "$dest" && "${apt[@]}" source --download-only "$package=$version")
    # apt checked the files against the signed index; dpkg-source warns that
    # it has no key for the .dsc signature itself. It unpacks into no folder
    # that exists, such as the half of one that a stopped run left.
    rm -rf "${dest:?}/$folder"
    dpkg-source -x "$dest/${package}_${version#*:}.dsc" "$dest/$folder" >"$dest/dpkg-source.log" 2>&1
}
