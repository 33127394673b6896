#!/bin/sh
# Every #include "folder/file.h" of a folder's sources is found on the include
# path of the folder's own library, which holds only that folder and the ones
# below it. The build checks this for what it compiles; this also covers
# headers that no source of their own folder includes.
#   check_includes.sh SOURCE_DIR FOLDER=DIR:DIR... ...
set -eu
source=$1
shift
status=0
for layer in "$@"; do
    folder=${layer%%=*}
    dirs=$(echo "${layer#*=}" | tr ':' ' ')
    for file in "$source/$folder"/*.h "$source/$folder"/*.cpp; do
        [ -e "$file" ] || continue
        for header in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\/[^"]*\)".*/\1/p' "$file"); do
            found=no
            for dir in $dirs; do
                [ -e "$dir/$header" ] && found=yes
            done
            if [ $found = no ]; then
                echo "$folder/${file##*/}: \"$header\" is not on the include path of $folder/"
                status=1
            fi
        done
    done
done
exit $status
