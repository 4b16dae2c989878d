#!/usr/bin/env bash
# The README's twk examples run as a user would run them, in their order, on
# a copy of the sample simulator folder: each must succeed, the airports and
# the resolution it shows must be what twk prints, and the library must end
# as the examples say. Usage: readme-examples.sh TWK SOURCE_DIR
set -euo pipefail
twk=$1
source=$2
readme=$source/README.md
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$source/examples/FS9" "$work/FS9"
cd "$work"

fail() {
    echo "README example: $*" >&2
    exit 1
}

# The output the README shows for twk airports and for the resolution of
# its conflict, against a fresh copy.
shown=$(sed -n '/^`twk airports` on the sample/,/^To have one add-on win/p' "$readme" |
    sed -n 's/^    //p')
[ "$shown" = "$("$twk" --sim FS9 airports)" ] || fail "twk airports prints other than it shows"
shown=$(sed -n '/^    S43 "Harvey Field": use/,/^$/p' "$readme" | sed -n 's/^    //p')
[ "$shown" = "$("$twk" --sim FS9 airports resolve S43 --use "S43 Harvey Field" --others-off \
    --dry-run)" ] || fail "twk airports resolve prints other than it shows"

examples=$(sed -n 's/^    \(twk --sim FS9 .*\)$/\1/p' "$readme")
[ -n "$examples" ] || fail "none found"
while IFS= read -r example; do
    echo "+ $example"
    eval "\"\$twk\" ${example#twk }" || fail "failed: $example"
done <<<"$examples"

# What they say they do.
list=$("$twk" --sim FS9 list)
grep -q '^ #2 .* on .*KSEA Seattle Tacoma' <<<"$list" || fail "KSEA is not below the area added"
grep -q ' off .*EGLL Heathrow' <<<"$list" || fail "EGLL is not off"
grep -q ' on .* Alps  *Addon Scenery\\Alps Mesh' <<<"$list" || fail "Alps was not added"
"$twk" --sim FS9 profile list | grep -q '^"Everything"' || fail "no profile Everything"
echo "every README example ran as it says"
