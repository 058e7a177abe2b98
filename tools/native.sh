# Shared by tools/native-checks and tools/fuzz: the native build of the portable code with the
# address and undefined-behaviour sanitizers, and its libFuzzer targets. Source it after lib.sh.

NATIVE_BUILD_DIR=${NATIVE_BUILD_DIR:-$BUILD_DIR-native}
FUZZ_CORPUS_DIR="$KAMIFUDA_ROOT/tests/fuzz/corpus"
# Any finding ends the program with a report that names the fault and where it happened.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# clang is needed for libFuzzer; the tests themselves would build with g++ as well.
configure_and_build_native() {
  cmake -S "$KAMIFUDA_ROOT" -B "$NATIVE_BUILD_DIR" -G Ninja -DKAMIFUDA_NATIVE_CHECKS=ON \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build "$NATIVE_BUILD_DIR" "$@"
}

# The names of the fuzz targets, as their corpus folders are named.
fuzz_target_names() {
  local program
  for program in "$NATIVE_BUILD_DIR"/tests/fuzz/fuzz_*; do
    [ -x "$program" ] && basename "$program" | sed 's/^fuzz_//'
  done
}

# fuzz_target NAME SECONDS NEW_INPUTS_DIR: fuzzes from the committed corpus, writing new inputs
# into NEW_INPUTS_DIR (the committed corpus stays as it is) and a crashing input into
# $NATIVE_BUILD_DIR/fuzz-findings/. Its output goes to a log there; on a finding the end of the
# log is shown and the status is non-zero.
fuzz_target() {
  local name=$1 seconds=$2 new_inputs=$3
  local findings="$NATIVE_BUILD_DIR/fuzz-findings"
  local log="$findings/$name.log"
  mkdir -p "$findings" "$new_inputs"
  # A search that takes seconds on a few kilobytes is a fault too (a hang for the user).
  if ! "$NATIVE_BUILD_DIR/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 -artifact_prefix="$findings/$name-" \
      "$new_inputs" "$FUZZ_CORPUS_DIR/$name" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $name found a fault; the input is in $findings/" >&2
    return 1
  fi
  echo "fuzz: $name $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs in ${seconds}s, no fault"
}
