# expected_files SOURCE_DIR WITH_INSTRUMENT: the files an installation under /usr holds, sorted,
# without the leading slash: the fixed list, every document of docs/, and the virtual
# instrument and the simulated bus's libraries when the build makes them (WITH_INSTRUMENT 1).
expected_files() {
  local source=$1 instrument=$2
  {
    cat "$source/tests/install/installed-files.txt"
    for doc in "$source"/docs/*.md; do echo "usr/share/doc/tolvenar/docs/$(basename "$doc")"; done
    if [ "$instrument" = 1 ]; then
      echo usr/bin/tolvenar-instrument
      echo usr/lib/tolvenar/simbus/libgpib.so.0
      echo usr/lib/tolvenar/simbus/libsicl.so
    fi
  } | LC_ALL=C sort
}
