#!/usr/bin/env bash
# Builds the store, the declaration-page reader and the submission import with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ and runs their tests:
# a memory fault, undefined behaviour or a leak fails the test that caused it.
# Slower than the ordinary build; not part of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
tests=(tst_statements tst_cursor tst_cursor_grid tst_datamodule tst_concurrent_writers
    tst_declaration_page_reader tst_submission_import tst_workspace_import)
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$PWD")}"
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-asan -G Ninja -DLETHORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" \
    "${launcher[@]}" >/dev/null
cmake --build build-asan --target "${tests[@]}"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:strict_string_checks=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
pattern="^($(IFS='|'; echo "${tests[*]}"))\$"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 1200 -R "$pattern"
