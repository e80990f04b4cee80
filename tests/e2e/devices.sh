set -euo pipefail
cd "$1"
[ -c node ] && [ -c node.afc ] && [ "$(readlink link.csv)" = node ] &&
  [ "$(readlink config/com.ini)" = "$1/node" ] || { echo "devices: a node or a link was replaced"; exit 1; }
diff - err.txt <<END || { echo "devices: com.ini's refusals are not as expected"; exit 1; }
tolvenar: $1/config/com.ini: it leads to $1/node, a device, not a plain file
tolvenar: cannot write $1/config/com.ini: it leads to $1/node, a device, not a plain file
END
