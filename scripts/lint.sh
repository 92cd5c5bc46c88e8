#!/usr/bin/env bash
# The maintainer checks CI runs: every C++ file formatted as .clang-format says, and cppcheck with
# the checks and suppressions kept beside this script. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
# The C++ files of the checkout, or of the tree when it is not a git checkout.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h'
else
  find src tools tests bench \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 clang-format --dry-run --Werror
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability --std=c++17 \
  --language=c++ --inline-suppr --library=googletest -I src -I tests -j 2 \
  --suppressions-list=scripts/cppcheck-suppressions.txt src tools tests
echo "lint: clang-format and cppcheck found nothing"
