#!/usr/bin/env bash
# The fuzz targets listed in fuzz/targets.cmake: libFuzzer with the address and
# undefined-behaviour sanitizers, built with clang in a folder of their own.
#
#   bash fuzz/run.sh build                 builds them (in build/fuzz)
#   bash fuzz/run.sh short <target> [s]    runs one for a few seconds (2 by default) from its seed
#                                          inputs, with a fixed seed: what the tests do
#   bash fuzz/run.sh long [seconds]        builds them and runs each in turn, 600 seconds by default;
#                                          new inputs go to build/fuzz/corpus/<target>, and an input
#                                          that breaks a target to build/fuzz/found/<target>/
#
# Without clang and libFuzzer (Debian: clang, libclang-rt-14-dev) it says so and
# exits with 77, which the tests count as skipped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_FUZZ_BUILD:-$root/build/fuzz}
targets=$(sed -n 's/^ *\([a-z0-9]*\) *#.*/\1/p' "$root/fuzz/targets.cmake")

skip() {
    echo "fuzzing skipped: $1 (install the Debian packages clang and libclang-rt-14-dev," \
         "or run VELMORA_WITH_FUZZ=1 bash scripts/deps.sh)"
    exit 77
}

toolchain() {
    command -v clang++ >/dev/null || skip "clang++ is not installed"
    local probe
    probe=$(mktemp -d)
    echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }' >"$probe/p.cpp"
    if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
        rm -rf "$probe"
        skip "clang cannot link libFuzzer with the sanitizers"
    fi
    rm -rf "$probe"
}

build() {
    toolchain
    cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j"$(nproc)"
}

# run <target> <seconds> <corpus folder that takes the new inputs>
run() {
    local target=$1 seconds=$2 work=$3
    local program="$build/fuzz_$target"
    if [ ! -x "$program" ]; then
        toolchain
        echo "fuzz_$target is not built: bash fuzz/run.sh build" >&2
        exit 1
    fi
    mkdir -p "$work" "$build/found/$target"
    local log="$build/fuzz_$target.log"
    if ! "$program" -max_total_time="$seconds" -seed=1 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
           -artifact_prefix="$build/found/$target/" "$work" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target: an input broke it; it is in $build/found/$target/" >&2
        return 1
    fi
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: $runs executions in $seconds s, no crash"
}

case "${1:-}" in
build)
    build
    ;;
short)
    [ -n "${2:-}" ] || { echo "usage: $0 short <target> [seconds]" >&2; exit 2; }
    work="$build/work/$2"
    rm -rf "$work"
    run "$2" "${3:-2}" "$work"
    ;;
long)
    build
    status=0
    for t in $targets; do
        run "$t" "${2:-600}" "$build/corpus/$t" || status=1
    done
    exit $status
    ;;
*)
    echo "usage: $0 build | short <target> [seconds] | long [seconds]" >&2
    exit 2
    ;;
esac
