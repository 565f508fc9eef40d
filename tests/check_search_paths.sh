#!/usr/bin/env bash
# The library search paths written into the tool and the libraries hold no empty entry:
# the loader reads an empty entry as the current folder, so a tool started from a folder
# someone else can write to would load their libraries. Also names every object whose
# path is not relative to itself ($ORIGIN), which would break a tree that was moved.
# Usage: check_search_paths.sh OBJECT...
set -euo pipefail
status=0
for object in "$@"; do
  paths=$(readelf -d "$object" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]$/\2/p')
  [ -n "$paths" ] || continue
  IFS=: read -r -a entries <<<"$paths:"
  for entry in "${entries[@]}"; do
    if [ -z "$entry" ]; then
      echo "$object: empty search-path entry in \"$paths\""
      status=1
    elif [[ "$entry" != '$ORIGIN'* ]]; then
      echo "$object: search-path entry \"$entry\" is not relative to the object"
      status=1
    fi
  done
done
exit $status
