#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# Installs what is missing, builds with warnings as errors and runs every test, headless; then
# does the same under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
cmake --preset ci
cmake --build --preset ci -j "$(nproc)"
ctest --preset ci -j "$(nproc)"
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, leaks checked.
cmake --preset asan
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan -j "$(nproc)"
