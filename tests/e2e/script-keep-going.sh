set -euo pipefail
diff - "$1/err.txt" <<'END'
script error at line 2: plot needs an open document window
script error at line 5: answer ok does not fit a message box with Yes No Cancel
script error at line 10: menu cannot be used while the dialog "New Segment" is open
END
