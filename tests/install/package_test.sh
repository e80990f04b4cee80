#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its name, its files and that it declares the
# run-time libraries a fresh Debian 12 needs.
# usage: package_test.sh SOURCE_DIR BUILD_DIR VERSION WITH_INSTRUMENT
set -euo pipefail
source_dir=$1 build=$2 version=$3 instrument=$4
source "$source_dir/tests/install/expected-files.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" ||
  { cat "$work/cpack.log"; exit 1; }
deb="$work/tolvenar_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work"; exit 1; }

[ "$(dpkg-deb -f "$deb" Package)" = tolvenar ]
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ]
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | LC_ALL=C sort > "$work/files"
diff -u <(expected_files "$source_dir" "$instrument") "$work/files"

# Depends names the package of every library the programs link, and Qt's four always.
dpkg-deb -x "$deb" "$work/unpacked"
dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{ print $1 }' > "$work/depends"
needed=()
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for program in "$work"/unpacked/usr/bin/*; do
  for library in $(readelf -d "$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
    needed+=("$(dpkg -S "*/$multiarch/$library" | head -1 | cut -d: -f1)")
  done
done
for package in "${needed[@]}" libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
  grep -qxF "$package" "$work/depends" || { echo "Depends lacks $package:"; cat "$work/depends"; exit 1; }
done
# The program is stripped: no debugging sections travel in the package.
! file "$work/unpacked/usr/bin/tolvenar" | grep -q 'with debug_info'
echo "package: passed"
