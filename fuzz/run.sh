#!/usr/bin/env bash
# Runs every fuzz target in turn on a scratch copy of its seed corpus, so the
# inputs it finds never land in the repository.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS_EACH [LIBFUZZER_OPTION...]]
# A failing input is kept as BUILD_DIR/fuzz-findings/<target>-crash-<hash>.
set -euo pipefail
[ $# -ge 1 ] || { echo "Usage: $0 BUILD_DIR [SECONDS_EACH [LIBFUZZER_OPTION...]]" >&2; exit 2; }
build=$(realpath "$1")
seconds=${2:-5}
shift $(($# < 2 ? $# : 2))
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
findings="$build/fuzz-findings"
mkdir -p "$findings"
# With -jobs, libFuzzer writes a log per job into the current folder.
cd "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for dir in "$seeds"/*/; do
    target=$(basename "$dir")
    cp -r "$dir" "$work/$target"
    log="$findings/$target.log"
    # TMPDIR: scratch images that a failing run leaves behind go with $work.
    if ! TMPDIR="$work" "$build/fuzz/$target" -max_total_time="$seconds" -artifact_prefix="$findings/$target-" \
         "$@" "$work/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$target FAILED; the full output is in $log" >&2
        exit 1
    fi
    echo "$target: $(grep -E '^Done [0-9]+ runs' "$log" || tail -n 1 "$log")"
done
