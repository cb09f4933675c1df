#!/bin/sh
# Every #include between the tree's folders points down the layers (README, "The tree"):
#   app -> selector -> player -> install -> framework -> win32, and res (resource_ids.h, which
#   includes nothing) below the framework and the system. The Win32 subset includes nothing of
#   the program. A folder's own headers are included by their bare names; headers of another
#   folder by "folder/name.h", never through "../".
# Usage: check_includes.sh [source root]; prints each wrong include and fails when there is one.
set -u
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}

layers="app selector player install framework res win32"

# The folders whose headers a folder may include (itself first).
may_include() {
  case $1 in
    app) echo "app selector player install framework res" ;;
    selector) echo "selector player install framework res" ;;
    player) echo "player install framework res" ;;
    install) echo "install framework" ;;
    framework) echo "framework res" ;;
    res) echo "" ;;
    win32) echo "win32" ;;
  esac
}

listed() {  # word list
  case " $2 " in *" $1 "*) return 0 ;; esac
  return 1
}

found=0
wrong() {
  echo "$1"
  found=1
}

for folder in $layers; do
  allowed=$(may_include "$folder")
  for file in $(find "$root/$folder" -type f \( -name '*.h' -o -name '*.cpp' \) | sort); do
    name=${file#"$root"/}
    for header in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
      top=${header%%/*}
      case $header in
        ../* | */../*)
          wrong "$name: \"$header\" reaches out of its folder by a relative path"
          continue
          ;;
      esac
      if [ "$folder" = res ]; then
        wrong "$name: \"$header\": the resource names include nothing"
      elif [ "$top" != "$header" ] && listed "$top" "$layers"; then
        listed "$top" "$allowed" || wrong "$name: \"$header\": $folder/ may not include $top/"
      elif [ "$top" = "$header" ] && [ "$folder" != win32 ] && [ "$header" != win32_api.h ] &&
        [ ! -f "$(dirname "$file")/$header" ]; then
        wrong "$name: \"$header\" is not in its folder; name the folder it comes from"
      fi
    done
  done
done

[ "$found" -eq 0 ] && echo "includes follow the layers"
exit "$found"
