#!/bin/sh
# Regenerates resources/user_db.sqlite, the empty template of the user
# database, from user_db.sql beside this script.
# Needs: sqlite3 (Debian package sqlite3).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$here/../../resources/user_db.sqlite
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

command -v sqlite3 >/dev/null || { echo "generate.sh needs sqlite3 (apt-get install sqlite3)" >&2; exit 1; }
sqlite3 -bail "$tmp/user_db.sqlite" < "$here/user_db.sql"
# The user database keeps a write-ahead log. The mode is stored in the file,
# so every copy of the template starts in it and the application's first
# launch has nothing to convert (and to sync) before its window shows.
[ "$(sqlite3 "$tmp/user_db.sqlite" 'PRAGMA journal_mode=WAL')" = wal ]
[ "$(sqlite3 "$tmp/user_db.sqlite" 'PRAGMA integrity_check')" = ok ]
mv "$tmp/user_db.sqlite" "$out"
echo "wrote $out"
