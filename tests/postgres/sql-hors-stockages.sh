#!/usr/bin/env bash
# Fails when SQL text appears in the sources outside the store folders: the engine, the
# control, the report and the hosts reach their data through the storage interface only.
set -euo pipefail
root=$1
cd "$root"
found=$(grep -rnE '"[^"]*\b(SELECT|INSERT INTO|DELETE FROM|UPDATE [A-Za-z_.]+ SET|CREATE (TABLE|INDEX|SCHEMA)|PRAGMA|BEGIN|COMMIT|ROLLBACK)\b' \
    components control module criteria report host --include='*.cpp' --include='*.h' \
    | grep -v '^components/mvdb/\(sqlite\|postgres\|sql\)/' || true)
if [ -n "$found" ]; then
    echo "SQL outside the store folders:" >&2
    echo "$found" >&2
    exit 1
fi
