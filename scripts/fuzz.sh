#!/usr/bin/env bash
# Short libFuzzer runs of the project-file reader and the number parses.
# Builds the fuzzers with clang++ into build-fuzz/ and fails on any crash.
#   FUZZ_SECONDS  seconds per fuzzer (default 25)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build-fuzz"
seconds="${FUZZ_SECONDS:-25}"
cxx="${FUZZ_CXX:-clang++}"

if ! command -v "$cxx" >/dev/null 2>&1; then
  echo "fuzz: $cxx not found" >&2
  exit 1
fi

mkdir -p "$out"
flags=(-std=c++20 -O1 -g -I"$root" -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -fno-omit-frame-pointer -ffp-contract=off)

build() {
  local name="$1"; shift
  echo "== building $name"
  "$cxx" "${flags[@]}" "$@" -o "$out/$name"
}

build fuzz_numbers "$root/fuzz/fuzz_numbers.cpp" "$root/common/numbers.cpp"
build fuzz_load_project "$root/fuzz/fuzz_load_project.cpp" "$root/common/numbers.cpp" \
  "$root"/frameproject/model/*.cpp "$root"/frameproject/solver/*.cpp

status=0
run() {
  local name="$1" seeds="$2"
  local work="$out/corpus-$name" artifacts="$out/artifacts-$name/"
  mkdir -p "$work" "$artifacts"
  echo "== running $name for ${seconds}s"
  # New inputs go to the work corpus; the seeds in the tree stay as they are.
  if ! "$out/$name" "$work" "$seeds" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$artifacts" -print_final_stats=1 \
        >"$out/$name.log" 2>&1; then
    echo "fuzz: $name found a failure (see $out/$name.log and $artifacts)" >&2
    tail -n 40 "$out/$name.log" >&2
    status=1
  else
    grep -E "stat::number_of_executed_units|Done" "$out/$name.log" | tail -n 2 || true
  fi
}

run fuzz_numbers "$root/fuzz/corpus/numbers"
run fuzz_load_project "$root/fuzz/corpus/load_project"
exit "$status"
