#!/usr/bin/env bash
# Differential fuzzing: every libFuzzer target in fuzz/ runs for a bounded time
# from its seed corpus. A crash, a hang, a sanitizer report or a disagreement
# with the target's model fails the check; libFuzzer keeps the input that did
# it under build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh tools/debian-packages.txt tools/ci/fuzz.packages
cmake --preset fuzz
cmake --build --preset fuzz -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/ci/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The floating-point check must hold under clang as under gcc: the number
# library's and the calculators' own tests, built with the fuzzers' flags.
build/fuzz/tests/numbers/numbers_tests --gtest_brief=1
build/fuzz/tests/calc/calc_tests --gtest_brief=1

seconds=${SORVANE_FUZZ_SECONDS:-45}
findings=build/fuzz/findings
mkdir -p "$findings"
# Two targets at a time, one per core; each adds what it finds to a scratch
# corpus, never to the seeds in the repository.
targets=(leading_number format_single breathing_rate enriched_air)
run() {
  local target=$1 work
  work=$(mktemp -d)
  local status=0
  "build/fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/$target-" "$work" "fuzz/corpus/$target" \
    >"$findings/$target.log" 2>&1 || status=$?
  rm -rf "$work"
  return $status
}
failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pids=()
  for target in "${targets[@]:i:2}"; do
    run "$target" &
    pids+=("$!:$target")
  done
  for entry in "${pids[@]}"; do
    if wait "${entry%%:*}"; then
      echo "fuzz ${entry#*:}: $(grep -E '^Done [0-9]+ runs' "$findings/${entry#*:}.log" || echo done)"
    else
      echo "fuzz ${entry#*:}: FAILED" >&2
      tail -n 40 "$findings/${entry#*:}.log" >&2
      failed=1
    fi
  done
done
exit "$failed"
