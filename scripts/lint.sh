#!/usr/bin/env bash
# The maintainer checks CI runs: every C++ file formatted as .clang-format says, cppcheck with
# the checks and suppressions kept beside this script, shellcheck over every shell script (with
# .shellcheckrc at the root), and the version in debian/changelog the same as CMakeLists.txt's.
# Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh

# The files of the checkout matching the patterns, or of the tree when it is not a git checkout.
files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z --cached --others --exclude-standard -- "$@"
    else
        local names=() pattern
        for pattern in "$@"; do names+=(-o -path "./$pattern"); done
        find . -type d \( -name 'build*' -o -name .git \) -prune -o -type f \( "${names[@]:1}" \) -print0
    fi
}

files '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability --std=c++17 \
  --language=c++ --inline-suppr --library=googletest -I src -I tests -j "$(nproc)" \
  --suppressions-list=scripts/cppcheck-suppressions.txt src tools tests

files '*.sh' '*.sh.in' .ci/run | xargs -0 shellcheck

# Debian repeats the version in its changelog: the upstream part, before the Debian revision.
version=$(project_version)
changelog=$(sed -n '1s/^tarvello (\([^)]*\)).*/\1/p' debian/changelog)
[ "${changelog%-*}" = "$version" ] || {
    echo "lint: debian/changelog's version $changelog is not CMakeLists.txt's $version" >&2
    exit 1
}
echo "lint: clang-format, cppcheck, shellcheck and the version check found nothing"
