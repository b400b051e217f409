#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/ and runs the whole test suite there, benchmarks' quick run included.
# A finding in the project's code fails the run; findings wholly inside Qt and the
# system libraries are suppressed in tests/sanitizers/ with the reason for each.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh clang libclang-rt-14-dev llvm
build=${ASAN_BUILD_DIR:-build-asan}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFERROWIND_SANITIZE=ON
cmake --build "$build" --parallel "$(nproc)"

supp="$PWD/tests/sanitizers"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$supp/ubsan.supp"
command -v llvm-symbolizer >/dev/null && export ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer)
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 900
