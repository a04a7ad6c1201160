#!/usr/bin/env bash
# Checks the include rule of the layers on the sources: a file of a folder under src/ includes
# headers of its own folder and of the folders below it, never of one above. Prints each breach
# as "file:line: FOLDER may not include OTHER/..." and fails when there is any.
set -euo pipefail
src=${1:?usage: check_layers.sh SRC_FOLDER}

# What each folder may include besides itself.
declare -A allowed=(
  [platform]=""
  [formats]="platform"
  [document]="formats platform"
  [settings]="formats platform"
  [compiler]="document settings formats platform"
  [scene]="compiler document settings formats platform"
  [editor]="compiler document settings formats platform"
  [forms]="editor scene compiler document settings formats platform"
  [app]="forms editor compiler document settings formats platform"
)

breaches=0
for folder in "$src"/*/; do
  layer=$(basename "$folder")
  if [ -z "${allowed[$layer]+set}" ]; then
    echo "$folder: a folder of no known layer; add it to $(basename "$0")"
    breaches=$((breaches + 1))
    continue
  fi
  while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    target=$(sed -E 's/^[^"]*#[[:space:]]*include[[:space:]]*"([^"/]*)\/.*$/\1/' <<<"${rest#*:}")
    [ "$target" = "$layer" ] && continue
    case " ${allowed[$layer]} " in *" $target "*) continue ;; esac
    echo "$file:$line: $layer may not include $target/ (it may include: ${allowed[$layer]:-nothing else})"
    breaches=$((breaches + 1))
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$folder" || true)
  # A relative include climbs out of the folder's own root.
  while IFS= read -r hit; do
    echo "$hit: no include may climb out of its layer with \"..\""
    breaches=$((breaches + 1))
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"\.\./' "$folder" || true)
done
[ "$breaches" -eq 0 ]
