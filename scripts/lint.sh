#!/usr/bin/env bash
# The maintainer checks CI runs: every C++ file formatted as .clang-format says, and cppcheck with
# the checks and suppressions kept beside this script. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability --std=c++17 \
  --language=c++ --inline-suppr --library=googletest -I src -I tests -j 2 \
  --suppressions-list=scripts/cppcheck-suppressions.txt src tools tests
echo "lint: clang-format and cppcheck found nothing"
