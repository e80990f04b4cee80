#!/usr/bin/env bash
# The core library stays below the ui layer: no file outside src/app includes a widget or print
# support header or anything from app/, and a program linked with the core alone loads no
# QtWidgets or QtPrintSupport. Each folder of the core includes only itself and the folders
# below it, so that no two folders depend on each other.
# usage: core_has_no_widgets.sh SOURCE_DIR CORE_ONLY_PROGRAM
set -euo pipefail
src=$1/src
program=$2
status=0
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](app/|QtWidgets|QtPrintSupport|QWidget|QApplication|QMainWindow|QDialog|QMessageBox|QFileDialog|QMdi|QPrint|QAction|QMenu|QToolBar|QStatusBar|QLabel|QPushButton|QLineEdit|QComboBox|QSpinBox|QAbstract(Button|Slider|SpinBox|ItemView|ScrollArea)|QStyle)'
if offenders=$(grep -rnE "$pattern" "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/app/"); then
  echo "core files include the ui layer:"; echo "$offenders"; status=1
fi
declare -A below=(
  [platform]=""
  [model]="platform"
  [display]="model platform"
  [commands]="model platform"
  [editing]="commands display model platform"
  [synthesis]="commands display model platform"
  [files]="commands display model platform"
  [instrument]="commands model platform"
)
for folder in "${!below[@]}"; do
  allowed="$folder ${below[$folder]}"
  while IFS= read -r line; do
    used=$(sed -E 's/.*#[[:space:]]*include[[:space:]]*"([a-z]+)\/.*/\1/' <<<"${line#*:*:}")
    if [[ " $allowed " != *" $used "* ]]; then
      echo "src/$folder reaches sideways or up into src/$used: $line"; status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' "$src/$folder" || true)
done
if ldd "$program" | grep -E 'libQt6(Widgets|PrintSupport)'; then
  echo "$(basename "$program") links widgets although it links only the core"; status=1
fi
exit $status
