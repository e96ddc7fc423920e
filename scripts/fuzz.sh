#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ (clang, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs them, two at a time:
#
#   scripts/fuzz.sh short [SECONDS]             every target for SECONDS (30) each, as ./test.sh does
#   scripts/fuzz.sh long [SECONDS] [TARGET...]  the named targets (all) for SECONDS (600) each
#
# Targets: line_list, line_breaks, passes, symbol_list. Each first replays its kept regression
# inputs (fuzz/regressions/<target>/), then fuzzes from its committed seeds (fuzz/corpus/<target>/)
# and from what earlier runs found (build-fuzz/corpus/<target>/). A crash, a sanitizer report or a
# broken invariant fails the script; the input that caused it is left in build-fuzz/artifacts/<target>/
# and the whole output in build-fuzz/logs/<target>.log.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
all_targets=(line_list line_breaks passes symbol_list)

mode="${1:-short}"
case "$mode" in
    short) seconds="${2:-30}"; targets=("${all_targets[@]}") ;;
    long) seconds="${2:-600}"; targets=("${@:3}"); [ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}") ;;
    *) echo "usage: $0 short [SECONDS] | long [SECONDS] [TARGET...]" >&2; exit 2 ;;
esac

build_targets() {
    "$root/scripts/ensure-packages.sh"
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DDIFONIK_FUZZ=ON -DDIFONIK_BUILD_APP=OFF -DDIFONIK_BUILD_BENCH=OFF > "$build.configure.log" 2>&1 || {
        cat "$build.configure.log"
        exit 1
    }
    cmake --build "$build" --target fuzz_targets -j2
}

# Replays the regression inputs once each; they must all pass before any fuzzing.
replay_regressions() {
    local target="$1" log="$2"
    local inputs=("$root/fuzz/regressions/$target"/*)
    [ -e "${inputs[0]}" ] || return 0
    "$build/fuzz/fuzz_$target" "${inputs[@]}" > "$log" 2>&1
}

run_target() {
    local target="$1"
    local log="$build/logs/$target.log"
    mkdir -p "$build/corpus/$target" "$build/artifacts/$target"
    if ! replay_regressions "$target" "$log"; then
        echo "fuzz_$target: FAILED on a regression input (see $log)"
        tail -n 30 "$log"
        return 1
    fi
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target/" \
        "$build/corpus/$target" "$root/fuzz/corpus/$target" > "$log" 2>&1; then
        echo "fuzz_$target: FAILED (see $log; the input is in $build/artifacts/$target/)"
        grep -E 'broken invariant|ERROR|runtime error|SUMMARY' "$log" | head -n 10
        return 1
    fi
    local executions
    executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "fuzz_$target: passed, $executions executions in $seconds s, corpus $(ls "$build/corpus/$target" | wc -l) inputs"
}

build_targets
mkdir -p "$build/logs"
echo "Fuzzing ${targets[*]} for $seconds s each, two at a time"

passed=0
failed=0
running=0
collect() {
    if wait -n; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
    running=$((running - 1))
}
for target in "${targets[@]}"; do
    [ -x "$build/fuzz/fuzz_$target" ] || { echo "no fuzz target '$target'" >&2; exit 2; }
    [ "$running" -lt 2 ] || collect
    run_target "$target" &
    running=$((running + 1))
done
while [ "$running" -gt 0 ]; do collect; done

echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
