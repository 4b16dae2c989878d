#!/usr/bin/env bash
# A Windows program holding the library's lock under Wine keeps the native
# twk from writing: twk waits, then writes nothing and says why; once the
# lock is let go, the same command writes.
# Usage: lock-across-faces.sh <wine-run.sh> <prefix> <bits> <holder.exe> <native twk> <sample>
set -euo pipefail
run=("$1" "$2" "$3") holder=$4 twk=$5 sample=$6
[ -x "$twk" ] || { echo "no native twk at $twk: build the native tree first" >&2; exit 1; }
work=$(mktemp -d)
trap 'touch "$work/FS9/release"; sleep 0.3; rm -rf "$work"' EXIT
cp -r "$sample" "$work/FS9"
"${run[@]}" "$holder" "Z:${work//\//\\}\\FS9\\" > "$work/held" &
holder_pid=$!
for _ in $(seq 300); do
    grep -q held "$work/held" && break
    sleep 0.1
done
grep -q held "$work/held" || { echo "the Windows holder did not take the lock" >&2; exit 1; }
status=0
"$twk" --sim "$work/FS9" disable "#3" 2> "$work/err" || status=$?
if [ "$status" != 3 ] || ! grep -q "another program is writing the library" "$work/err"; then
    echo "twk ran past the Windows program's lock (exit $status):" >&2
    cat "$work/err" >&2
    exit 1
fi
touch "$work/FS9/release"
wait "$holder_pid"
"$twk" --sim "$work/FS9" disable "#3" > /dev/null
echo "twk waited for the Windows program's lock, then wrote once it was let go"
