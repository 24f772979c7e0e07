#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through ctest, then builds the
# unit tests again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
hrl_install_packages "${HRL_BUILD_PACKAGES[@]}" "${HRL_DISPLAY_PACKAGES[@]}" "${HRL_CHECK_PACKAGES[@]}"

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHRL_BUILD_TESTS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHRL_SANITIZE=ON -DHRL_BUILD_TESTS=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$PWD/tests/support/lsan.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -L unit
