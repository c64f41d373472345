#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer, UBSan, libFuzzer) in build-fuzz and runs
# each for a bounded time, starting from seeds made from the sample tests in examples/.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
# Targets: fields web_load target_area test_file (all by default).
# An input that crashes a target is kept in build-fuzz/artifacts/<target>/ and the script fails;
# copy it to tests/data/fuzz/<target>/ so that the test suite replays it for good.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(fields web_load target_area test_file)
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMIVO_FUZZ=ON -DLUMIVO_SANITIZE=ON -DLUMIVO_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

examples=examples/server/distanstest
seed() {  # seed TARGET NAME -- writes stdin to the target's seed folder
  mkdir -p "$build/seeds/$1"
  cat >"$build/seeds/$1/$2"
}
for test in "$examples"/*/*.tst; do
  name=$(basename "$test" .tst)
  folder=$(dirname "$test")
  { printf '\0'; cat "$test"; } | seed fields "$name-0"
  { printf '\7'; cat "$test"; } | seed fields "$name-7"
  { printf '\1'; cat "$test"; } | seed test_file "$name"
  for picture in "$folder"/*; do
    [ "$picture" = "$test" ] && continue
    { cat "$test"; printf '\0BILD\0'; head -c 16384 "$picture"; } |
      seed web_load "$name-$(basename "$picture")"
  done
  areas=$(grep -a -o 'X[0-9 ]\{4\}-[0-9 ]\{4\}\.Y[0-9 ]\{4\}-[0-9 ]\{4\}' "$test" || true)
  for area in $areas; do
    printf '%s\n2000\n2500' "$area" | seed target_area "$name-inside"
    printf '%s\n1450\n1950' "$area" | seed target_area "$name-corner"
  done
done
{ printf '\17'; cat "$examples/tester.txt"; } | seed fields tester
printf '\0Fr\xc3\xa5ga\x1fa, b\x1f"citat"\x1f  blank\x1e\x1fr rad\r\nny' | seed test_file table
printf 'rese\nText1\nText2' | seed target_area reserv

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
failed=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  echo "== fuzz_$target for ${seconds}s"
  if ! "$build/fuzz/fuzz_$target" "$corpus" "$build/seeds/$target" -max_total_time="$seconds" \
      -timeout=30 -rss_limit_mb=4096 -max_len=65536 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" 2>"$build/fuzz_$target.log"; then
    failed=1
    tail -n 40 "$build/fuzz_$target.log"
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "$build/fuzz_$target.log" | tail -n 2 || true
done
exit $failed
