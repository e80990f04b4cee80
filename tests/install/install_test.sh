#!/usr/bin/env bash
# Installs the build into a temporary root (cmake --install, DESTDIR) as a package would under
# /usr, checks the files, and runs the installed program: it must find its help in the installed
# data folder, as nothing lies beside it in /usr/bin.
# usage: install_test.sh SOURCE_DIR BUILD_DIR VERSION WITH_INSTRUMENT
set -euo pipefail
source_dir=$1 build=$2 version=$3 instrument=$4
source "$source_dir/tests/install/expected-files.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"

DESTDIR="$root" cmake --install "$build" --prefix /usr > "$work/install.log"
(cd "$root" && find . -type f -o -type l) | sed 's|^\./||' | LC_ALL=C sort > "$work/installed"
expected_files "$source_dir" "$instrument" > "$work/expected"
diff -u "$work/expected" "$work/installed"

program="$root/usr/bin/tolvenar"
[ "$("$program" --version)" = "Tolvenar $version" ]
"$program" --help > "$work/help.txt"
grep -q -- "--script <FILE>" "$work/help.txt"
grep -q -- "Usage: tolvenar \[options\] \[FILE...\]" "$work/help.txt"
# The manual page names every option the program's help lists.
for option in $(grep -o -- '--[a-z-]*' "$work/help.txt" | sort -u); do
  grep -q -- "$(echo "$option" | sed 's/-/\\\\-/g')" "$root/usr/share/man/man1/tolvenar.1" ||
    { echo "the manual page lacks $option"; exit 1; }
done

mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" TOLVENAR_CONFIG_DIR="$work/config"
printf 'menu mnuIndex\n' | (cd "$work" && "$program" --script -) > "$work/out.txt"
diff -u <(echo "help help.hlp -> index") "$work/out.txt"

# What the desktop reads.
desktop="$root/usr/share/applications/tolvenar.desktop"
grep -qx 'Exec=tolvenar %F' "$desktop"
grep -qx 'Icon=tolvenar' "$desktop"
grep -qx 'MimeType=application/x-tolvenar-afc;text/csv;' "$desktop"
desktop-file-validate "$desktop"
# The MIME database built from the installed type maps *.afc to it.
XDG_DATA_DIRS="$root/usr/share" update-mime-database "$root/usr/share/mime"
grep -qx '50:application/x-tolvenar-afc:\*\.afc' "$root/usr/share/mime/globs2"
grep -q "^.TH TOLVENAR 1 \"\" \"Tolvenar $version\"" "$root/usr/share/man/man1/tolvenar.1"
cmp "$source_dir/resources/help.hlp" "$root/usr/share/tolvenar/help.hlp"
echo "install: passed"
