#!/usr/bin/env bash
# Fails when an include runs up or across the floors of the source tree. Module code
# includes its own folder and the floors below it only:
#   description -> gui, hostprocessor -> parameters -> hook -> contract -> aax, util
# The demo and null cores see only the hook/core contract; the host simulator only the
# AAX layer and the foundation library. Argument: the repository's root.
set -euo pipefail
root=${1:-.}
cd "$root"

rank() {
  case "$1" in
    util | aax | runtime) echo 0 ;;
    contract) echo 1 ;;
    hook) echo 2 ;;
    parameters) echo 3 ;;
    gui | hostprocessor) echo 4 ;;
    description) echo 5 ;;
    *) echo -1 ;;
  esac
}

status=0
complain() {
  echo "$1: includes \"$2\" against the floors" >&2
  status=1
}

# Every quoted include of src/, as "file folder included-folder included-path".
while IFS= read -r line; do
  file=${line%%:*}
  included=$(echo "$line" | sed -n 's/.*#include "\([^"]*\)".*/\1/p')
  to=${included%%/*}
  [ "$to" = "$included" ] && continue  # a file beside it
  [ "$(rank "$to")" -lt 0 ] && continue  # not a folder of src/
  from=$(echo "$file" | cut -d/ -f2)
  [ "$from" = "$to" ] && continue
  if [ "$(rank "$to")" -ge "$(rank "$from")" ]; then complain "$file" "$included"; fi
done < <(grep -rn '^#include "' src --include='*.h' --include='*.cpp')

while IFS= read -r line; do
  file=${line%%:*}
  included=$(echo "$line" | sed -n 's/.*#include "\([^"]*\)".*/\1/p')
  to=${included%%/*}
  [ "$to" = "$included" ] && continue
  case "$to" in contract | democore) ;; *) [ "$(rank "$to")" -ge 0 ] && complain "$file" "$included" ;; esac
done < <(grep -rn '^#include "' cores/democore cores/nullcore --include='*.h' --include='*.cpp')

while IFS= read -r line; do
  file=${line%%:*}
  included=$(echo "$line" | sed -n 's/.*#include "\([^"]*\)".*/\1/p')
  to=${included%%/*}
  [ "$to" = "$included" ] && continue
  case "$to" in aax | util | aaxhost) ;; *) [ "$(rank "$to")" -ge 0 ] && complain "$file" "$included" ;; esac
done < <(grep -rn '^#include "' tools/aaxhost --include='*.h' --include='*.cpp')

[ $status -eq 0 ] && echo "every include runs down the floors"
exit $status
