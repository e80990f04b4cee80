# Sourced by a setup: mounts a 64 KiB tmpfs at disk/ (the superuser only; elsewhere the test is
# skipped), puts a 404-byte AFC file and com.ini on it, notes their checksums in before.md5, and
# fills the disk to leave the given number of bytes free. The mount goes when the test ends.
prepare_full_disk() {
  local leave=$1
  if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: mounting a small file system needs the superuser"; exit 77
  fi
  mkdir disk
  mount -t tmpfs -o size=64k tolvenar-test disk || { echo "skipped: no tmpfs can be mounted here"; exit 77; }
  cleanups+=("umount '$WORK/disk'")
  for i in $(seq 100); do printf '\x00\x00\x80\x3f'; done > disk/old.afc  # 100 points of 1 V
  printf '\x00\xc0\x79\x44' >> disk/old.afc
  export TOLVENAR_CONFIG_DIR="$WORK/disk/config"
  mkdir disk/config
  printf '1\r\n0\r\n0\r\n' > disk/config/com.ini  # exit writes 1 1 1
  md5sum disk/old.afc disk/config/com.ini > before.md5
  dd if=/dev/zero of=disk/.fill bs=4096 2> /dev/null || true
  [ "$leave" -eq 0 ] || truncate -s "-$leave" disk/.fill
  local free
  free=$(df -B1 --output=avail disk | tail -n 1 | tr -d ' ')
  [ "$free" = "$leave" ] || { echo "the disk has $free bytes free, not $leave"; exit 1; }
}

# Fails when the disk holds anything but the files put there: no unfinished copy stays behind.
check_no_leftovers() {
  local extra
  extra=$(cd "$1/disk" && find . -mindepth 1 ! -path ./old.afc ! -path ./config ! -path ./.fill \
          ! -path ./config/recent-files \
          ! -path ./config/com.ini)
  [ -z "$extra" ] || { echo "left behind on the disk: $extra"; exit 1; }
}
