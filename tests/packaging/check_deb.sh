#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# cpack builds the Debian package: right name and file name, every item and
# nothing else under /usr, the maintainer scripts, and a Depends field that
# names the runtime packages.
# Usage: check_deb.sh BUILD_DIR VERSION ITEM... -- PACKAGE...
#   ITEM: a path under /usr that the package must hold
#   PACKAGE: a package that Depends must name
set -eu
. "$(dirname "$0")/common.sh"
require_tool cpack dpkg-deb dpkg dpkg-shlibdeps readelf ldd
make_scratch
build=$1
version=$2
shift 2

items=""
while [ $# -gt 0 ] && [ "$1" != "--" ]; do items="$items $1"; shift; done
[ $# -gt 0 ] && shift
packages="$*"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || fail "cpack fails: $(cat "$scratch/cpack.log")"

arch=$(dpkg --print-architecture)
deb="$scratch/out/kestrovane-zeru-configurator_${version}_$arch.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$scratch/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kestrovane-zeru-configurator ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is $(field Architecture)"
case $(field Maintainer) in *?' <'*@*'>') ;; *) fail "Maintainer is not 'name <address>': $(field Maintainer)" ;; esac
[ -n "$(field Description)" ] || fail "no Description"

# Depends, one package name a line, without versions or alternatives.
field Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/[[:space:]]//g' | grep -v '^$' | sort -u >"$scratch/depends"
for package in $packages; do
    grep -qx "$package" "$scratch/depends" || fail "Depends does not name $package: $(field Depends)"
done

# Regular files and links only, as paths under the root.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | sort >"$scratch/contents"
for item in $items; do
    grep -qx "usr/$item" "$scratch/contents" || fail "the package lacks /usr/$item"
done
echo $items | tr ' ' '\n' | sed '/^$/d; s|^|usr/|' | sort >"$scratch/expected"
extra=$(comm -13 "$scratch/expected" "$scratch/contents")
[ -z "$extra" ] || fail "the package holds unexpected files: $extra"
dpkg-deb -c "$deb" | awk '$6 ~ /^\.\/usr\/bin\/./ && $1 !~ /^-rwxr-xr-x/ { print "not 0755: " $6 }' >"$scratch/modes"
[ ! -s "$scratch/modes" ] || fail "$(cat "$scratch/modes")"

# Every library an executable links comes from a package that Depends names.
owner() { # LIBRARY_PATH: the package that holds it, with or without the /usr merge
    for candidate in "$1" "/usr$1" "${1#/usr}" "$(realpath "$1")"; do
        found=$(dpkg -S "$candidate" 2>/dev/null | grep -v '^diversion' | head -n 1 | cut -d: -f1)
        [ -z "$found" ] || { echo "$found"; return 0; }
    done
    return 1
}
dpkg-deb -x "$deb" "$scratch/root"
for exe in "$scratch"/root/usr/bin/*; do
    [ -f "$exe" ] || continue
    for soname in $(readelf -d "$exe" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        path=$(ldd "$exe" | awk -v s="$soname" '$1 == s { print $3 }')
        [ -n "$path" ] || fail "$(basename "$exe") needs $soname, which is not found here"
        package=$(owner "$path") || fail "no package holds $path, needed by $(basename "$exe")"
        grep -qx "$package" "$scratch/depends" \
            || fail "$(basename "$exe") needs $soname from $package, which Depends does not name: $(field Depends)"
    done
done

dpkg-deb -e "$deb" "$scratch/control"
[ -x "$scratch/control/postinst" ] || fail "no executable postinst"
grep -q 'udevadm control --reload-rules' "$scratch/control/postinst" || fail "postinst does not reload udev rules"
echo "package ok: $(basename "$deb"), Depends: $(field Depends)"
