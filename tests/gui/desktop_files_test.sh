#!/bin/sh
# Installs the build into a scratch prefix and checks the desktop files there
# with the freedesktop tools: the .desktop entry, the MIME type of saved games
# (compiled into a MIME database of its own) and the AppStream metadata.
# Usage: desktop_files_test.sh BUILD_DIR SCRATCH_DIR
set -eu
build=$1
prefix=$2/prefix
rm -rf "$prefix"
DESTDIR= cmake --install "$build" --prefix "$prefix" > /dev/null

id=io.github.tavolux.Tavolux
desktop=$prefix/share/applications/$id.desktop
mime=$prefix/share/mime/packages/$id.xml

desktop-file-validate "$desktop"
grep -qx 'Exec=tavolux %f' "$desktop"
grep -qx 'MimeType=application/x-tavolux-game;application/x-tavolux-record;' "$desktop"
# In each language of the program, as are the metadata's summary and texts.
for language in de fr es zh_CN; do
  for key in GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=." "$desktop"
  done
done

xmllint --noout "$mime"
# Both types described in each language of the program.
for language in de fr es zh_CN; do
  test "$(grep -c "<comment xml:lang=\"$language\">." "$mime")" -eq 2
done
# (It warns that the scratch prefix is not searched by applications.)
update-mime-database "$prefix/share/mime" 2> /dev/null
grep -q '^50:application/x-tavolux-game:\*\.tvx$' "$prefix/share/mime/globs2"
grep -q '^50:application/x-tavolux-record:\*\.tvr$' "$prefix/share/mime/globs2"
# The signature, 0x01001001 little-endian, as the compiled magic rule.
grep -aq '^\[50:application/x-tavolux-game\]$' "$prefix/share/mime/magic"
printf '>0=\000\004\001\020\000\001' > "$2/rule"
grep -aqF -f "$2/rule" "$prefix/share/mime/magic"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
for language in de fr es zh_CN; do
  for tag in summary p li; do
    grep -q "<$tag xml:lang=\"$language\">" "$metainfo"
  done
done

if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$metainfo" > /dev/null
fi
echo "desktop files: 1 passed, 0 failed"
