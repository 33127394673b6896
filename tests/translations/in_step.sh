#!/bin/sh
# Runs lupdate over the sources into copies of the translation files and
# checks the copies: a text added to the code without its translations comes
# in unfinished, one whose source changed leaves the old entry vanished, and
# either fails the check.
#   in_step.sh LUPDATE SOURCE_DIR CHECK_TS PYTHON
set -eu
lupdate=$1 source=$2 check=$3 python=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/translations/*.ts "$work"/
cd "$source"
"$lupdate" -silent -I . -locations relative app lang view referee dialogs resources -ts "$work"/*.ts
exec "$python" "$check" "$work"/*.ts
