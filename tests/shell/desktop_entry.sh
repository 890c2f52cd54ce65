#!/bin/sh
# Installs the build into a throw-away folder whose name needs quoting and
# checks the menu entry it gets: valid, absolute Exec, Path at the folder, icon
# where the icon theme looks, and the mailto links it takes.
set -eu
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix="$root/my pintora"
cmake --install "$build" --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/pintora.desktop"
desktop-file-validate "$entry"
grep -qx "Exec=\"$prefix/pintora\" %u" "$entry" || { echo "Exec wrong:"; cat "$entry"; exit 1; }
grep -qx "Path=$prefix" "$entry" || { echo "Path wrong:"; cat "$entry"; exit 1; }
grep -qx "Icon=pintora" "$entry"
# Offered as the handler of mailto links, which reach it as its argument.
grep -qx "MimeType=x-scheme-handler/mailto;" "$entry" || { echo "no mailto handler:"; cat "$entry"; exit 1; }
test -f "$prefix/share/icons/hicolor/scalable/apps/pintora.svg"
test -x "$prefix/pintora"
echo "menu entry ok: $entry"
