#!/usr/bin/env bash
# Fails when the README cites a file or folder of the project that does not exist: every
# backticked path with a slash, but those the build makes (build/, dist/, out/), those
# outside the project (../), installer switches (/S) and those with a placeholder (<...>).
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
while read -r path; do
    [ -e "$path" ] || { echo "README cites $path, which does not exist" >&2; status=1; }
done < <(grep -o '`[^` ]*/[^` ]*`' README.md | tr -d '`' | grep -v -E '^(build|dist|out)/|^\.\./|^/|<' | sort -u)
exit $status
