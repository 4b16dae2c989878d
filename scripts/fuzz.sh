#!/usr/bin/env bash
# Long fuzz runs on demand, and the speed of the fuzz build.
#
#   scripts/fuzz.sh [SECONDS] [--merge] [TARGET...]
#       Runs each fuzz target (or those named) in turn for SECONDS (default
#       600) on every core, from its kept corpus tests/fuzz/corpus/<target>/.
#       New inputs go into the build tree (build/fuzz/tests/fuzz/corpus/
#       <target>/), findings into build/fuzz/tests/fuzz/findings/<target>/.
#       Prints per target the inputs tried, inputs per second, the coverage
#       of both corpora and the findings. With --merge the kept corpus is
#       then minimised anew over both (libFuzzer -merge=1); files named
#       finding-* always stay in it.
#
#   scripts/fuzz.sh --compare [INPUTS]
#       Builds the targets unoptimised (preset fuzz-debug, the fuzz build as
#       it used to be) and optimised (preset fuzz), runs each target in both,
#       one after the other on one core, for INPUTS inputs (default 30000)
#       from its kept corpus with the same seed, and prints the inputs per
#       second of CPU time of each and their ratio. Address-space layout
#       randomisation is off for these runs, so that every run of a build
#       tries the same inputs, and each build runs three times, the two in
#       turn: the rates printed are the medians, and the range the lowest
#       and highest ratio of a run of each.
#
# The targets run with the ASAN_OPTIONS the test command gives them
# (TARNWICK_FUZZ_ASAN_OPTIONS in tests/fuzz/CMakeLists.txt), before any in
# the environment, and with its timeout for an input. Installs what is
# missing first, as the other commands do.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

root=$(pwd)
fuzz_dir=$root/build/fuzz/tests/fuzz
targets=()
for dir in tests/fuzz/corpus/*/; do
    targets+=("$(basename "$dir")")
done

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$(nproc)" >/dev/null
    local options
    options=$(sed -n 's/^TARNWICK_FUZZ_ASAN_OPTIONS:STRING=//p' "build/$1/CMakeCache.txt")
    case ":${ASAN_OPTIONS:-}:" in
    *":$options:"*) ;;
    *) export ASAN_OPTIONS="$options${ASAN_OPTIONS:+:$ASAN_OPTIONS}" ;;
    esac
}

# The seconds an input of the target may take, as its test command gives them.
input_timeout() {
    ctest --test-dir build/fuzz -N -V -R "^$1_fuzz\$" | sed -n 's/.*"-timeout=\([0-9]*\)".*/\1/p'
}

# The value of a libFuzzer final statistic in the given logs, summed.
stat_sum() {
    local name=$1
    shift
    cat "$@" | awk -v name="stat::$name:" '$1 == name { sum += $2 } END { print sum + 0 }'
}

# Inputs per second of CPU time of one run of the target in the build.
rate() {
    local preset=$1 target=$2 inputs=$3 scratch=$4 cpu units
    rm -rf "$scratch/corpus" && mkdir "$scratch/corpus"
    TIMEFORMAT='%U %S'
    cpu=$({ time setarch -R "build/$preset/tests/fuzz/${target}_fuzzer" -runs="$inputs" \
        -seed=1 -print_final_stats=1 -dict="tests/fuzz/$target.dict" \
        -artifact_prefix="$scratch/" "$scratch/corpus" "tests/fuzz/corpus/$target" \
        >"$scratch/log" 2>&1; } 2>&1 | awk '{ print $1 + $2 }')
    units=$(stat_sum number_of_executed_units "$scratch/log")
    awk -v n="$units" -v t="$cpu" 'BEGIN { printf "%.0f", n / t }'
}

median() {
    printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
lowest() { printf '%s\n' "$@" | sort -n | head -1; }
highest() { printf '%s\n' "$@" | sort -n | tail -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b / a }'; }

compare() {
    local inputs=$1 target round scratch
    build fuzz-debug
    build fuzz
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' RETURN
    printf '%-12s %16s %16s %7s %11s\n' target "unoptimised/s" "optimised/s" ratio range
    for target in "${targets[@]}"; do
        local slow=() fast=()
        for round in 1 2 3; do
            slow+=("$(rate fuzz-debug "$target" "$inputs" "$scratch")")
            fast+=("$(rate fuzz "$target" "$inputs" "$scratch")")
        done
        printf '%-12s %16s %16s %7s %11s\n' "$target" "$(median "${slow[@]}")" \
            "$(median "${fast[@]}")" "$(ratio "$(median "${slow[@]}")" "$(median "${fast[@]}")")" \
            "$(ratio "$(highest "${slow[@]}")" "$(lowest "${fast[@]}")")-$(ratio \
                "$(lowest "${slow[@]}")" "$(highest "${fast[@]}")")"
    done
}

# Minimises the kept corpus anew over itself and the inputs found: the
# finding-* files first, so that each stays whatever it covers. Edges alone
# decide (-use_counters=0): telling hit counts apart too keeps about ten
# times the files, and a run finds those counts again in seconds.
merge() {
    local target=$1 kept=tests/fuzz/corpus/$1 merged
    merged=$(mktemp -d)
    cp "$kept"/finding-* "$merged"/ 2>/dev/null || true
    "$fuzz_dir/${target}_fuzzer" -merge=1 -use_counters=0 -timeout="$(input_timeout "$target")" \
        -rss_limit_mb=2048 "$merged" "$kept" "$fuzz_dir/corpus/$target" \
        >"$fuzz_dir/run/$target/merge.log" 2>&1
    rm -f "$kept"/*
    cp "$merged"/* "$kept"/
    rm -rf "$merged"
}

fuzz() {
    local seconds=$1 do_merge=$2 jobs target run started elapsed units coverage findings timeout
    jobs=$(nproc)
    build fuzz
    for target in "${targets[@]}"; do
        run=$fuzz_dir/run/$target
        rm -rf "$run" && mkdir -p "$run" "$fuzz_dir/corpus/$target" "$fuzz_dir/findings/$target"
        touch "$run/started"
        started=$SECONDS
        timeout=$(input_timeout "$target")
        # libFuzzer runs the jobs from the folder it is started in, each
        # writing its log there; they share the first corpus folder.
        (cd "$run" && "$fuzz_dir/${target}_fuzzer" -jobs="$jobs" -workers="$jobs" \
            -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -print_final_stats=1 \
            -dict="$root/tests/fuzz/$target.dict" -artifact_prefix="$fuzz_dir/findings/$target/" \
            "$fuzz_dir/corpus/$target" "$root/tests/fuzz/corpus/$target" >fuzz.log 2>&1) || true
        elapsed=$((SECONDS - started))
        units=$(stat_sum number_of_executed_units "$run"/fuzz-*.log)
        findings=$(find "$fuzz_dir/findings/$target" -type f -newer "$run/started" | sort)
        coverage=$("$fuzz_dir/${target}_fuzzer" -runs=0 -artifact_prefix="$run/" \
            "$fuzz_dir/corpus/$target" "$root/tests/fuzz/corpus/$target" 2>&1 |
            sed -n 's/.*INITED \(cov: [0-9]* ft: [0-9]*\).*/\1/p' || true)
        echo "$target: $units inputs in ${elapsed} s on $jobs cores," \
            "$((units / (elapsed > 0 ? elapsed : 1))) inputs/s;" \
            "${coverage:-no coverage: an input of the corpora fails};" \
            "$(echo -n "$findings" | grep -c '^' || true) findings"
        if [ -n "$findings" ]; then
            echo "$findings" | sed 's/^/    /'
            [ "$do_merge" = no ] || echo "    kept corpus not merged: mend the findings first"
        elif [ "$do_merge" = yes ]; then
            merge "$target"
        fi
    done
}

case "${1:-}" in
--compare) compare "${2:-30000}" ;;
*)
    seconds=600 do_merge=no named=()
    for arg in "$@"; do
        case "$arg" in
        --merge) do_merge=yes ;;
        *[!0-9]* | "")
            if [ -z "$arg" ] || [ ! -d "tests/fuzz/corpus/$arg" ]; then
                echo "usage: scripts/fuzz.sh [SECONDS] [--merge] [TARGET...] | --compare [INPUTS]" \
                    "(targets: ${targets[*]})" >&2
                exit 2
            fi
            named+=("$arg")
            ;;
        *) seconds=$arg ;;
        esac
    done
    [ ${#named[@]} -eq 0 ] || targets=("${named[@]}")
    fuzz "$seconds" "$do_merge"
    ;;
esac
