#!/usr/bin/env bash
# Prints how large the tests are against the code they test: non-blank lines
# of C++ sources and headers in tests/ + fuzz/ against src/ + benchmark/.
# It only reports; the aim is a third, at most 40 %.
set -euo pipefail
cd "$(dirname "$0")/.."
lines() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -exec cat {} + | grep -cv '^[[:space:]]*$'; }
tests=$(lines tests fuzz)
code=$(lines src benchmark)
echo "Test code: $tests non-blank lines (tests/ + fuzz/) against $code of product code" \
     "(src/ + benchmark/): $((100 * tests / code)) %."
