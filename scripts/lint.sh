#!/usr/bin/env bash
# The maintainer checks: every C++ file formatted as .clang-format says, cppcheck with the checks
# and suppressions kept beside this script, shellcheck over every shell script (with
# .shellcheckrc at the root), the version in debian/changelog and the README the same as
# CMakeLists.txt's, and the includes pointing down the floors (engine, game, screens).
# Every check runs and prints what it finds. A tool's findings fail the lint only when the tool
# is the version pinned below, Debian 12's, as CI has it: other releases' tools bring opinions
# of their own, which are reported. A changelog out of step or an include pointing up fails the
# lint whatever the tools.
# Usage: lint.sh [--gate | --report]
#   --gate    fails on any finding, and when a tool is not its pinned version (CI)
#   --report  prints the findings and never fails on them (the rounds on other releases)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh

# Debian 12's: clang-format's major version, cppcheck's and shellcheck's major.minor.
pinned_clang_format=14
pinned_cppcheck=2.10
pinned_shellcheck=0.9

mode=${1:-}
case $mode in
    "" | --gate | --report) ;;
    *) echo "Usage: lint.sh [--gate | --report]" >&2 && exit 2 ;;
esac

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

format_check() { files '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; }
cppcheck_check() {
    cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability \
        --std=c++17 --language=c++ --inline-suppr --library=googletest -I src -I tests \
        -j "$(nproc)" --suppressions-list=scripts/cppcheck-suppressions.txt src tools tests
}
shell_check() { files '*.sh' '*.sh.in' .ci/run | xargs -0 shellcheck; }
# Debian repeats the version in its changelog: the upstream part, before the Debian revision.
version_check() {
    local version changelog
    version=$(project_version)
    changelog=$(sed -n '1s/^tarvello (\([^)]*\)).*/\1/p' debian/changelog)
    local status=0
    if [ "${changelog%-*}" != "$version" ]; then
        echo "lint: debian/changelog's version $changelog is not CMakeLists.txt's $version" >&2
        status=1
    fi
    # The README names the files a release makes, each with the version in it.
    local named
    while read -r named; do
        [ "${named#*[-_]}" = "$version" ] && continue
        echo "lint: README.md names $named, but the version is $version" >&2
        status=1
    done < <(grep -oE '(Tarvello-|tarvello_)[0-9]+(\.[0-9]+)+' README.md | sort -u)
    return "$status"
}

# The game's headers the build gives the data generator, as CMakeLists.txt lists them.
generator_headers() {
    sed -n '/^tarvello_floor_headers(tarvello_generator_headers/,/)/p' CMakeLists.txt |
        grep -oE '[A-Za-z_]+/[A-Za-z_]+\.h' | tr '\n' ' '
}

# The floors' arrows point down, as the build's include folders enforce: a file under src/<floor>
# includes its own floor's headers and those of the floors below it (the engine and the platform
# functions, then the game, then the screens and the entry point); the data generator only the
# headers the build gives it; and no include climbs out of its folder with "../".
arrow_check() {
    # shellcheck disable=SC2016 # the $ are awk's
    files 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 'tests/*.cpp' 'tests/*.h' \
        'bench/*.cpp' 'bench/*.h' | xargs -0 awk -v given="$(generator_headers)" '
        BEGIN { rank["SDL_Engine"] = 1; rank["platform"] = 1; rank["game"] = 2; rank["screens"] = 3 }
        match($0, /^[ \t]*#[ \t]*include[ \t]*[<"][^>"]*/) {
            name = substr($0, RSTART, RLENGTH)
            sub(/^[^<"]*[<"]/, "", name)
            file = FILENAME
            sub(/^\.\//, "", file)
            floor = ""
            if (name ~ /\//) { floor = name; sub(/\/.*/, "", floor) }
            wrong = ""
            if (name ~ /(^|\/)\.\.\//) {
                wrong = "climbs out of its folder"
            } else if (file ~ /^src\/.*\//) {
                own = file
                sub(/^src\//, "", own)
                sub(/\/.*/, "", own)
                if ((floor in rank) && (own in rank) && rank[floor] > rank[own])
                    wrong = "points up from " own " to " floor
            } else if (file ~ /^tools\// && (floor in rank) && !index(" " given " ", " " name " ")) {
                wrong = "is not one the build gives the data generator"
            }
            if (wrong != "") {
                printf "%s:%d: #include %s %s\n", file, FNR, name, wrong
                failed = 1
            }
        }
        END { exit failed }'
}

# A tool's version as its --version gives it: the first number with a dot.
tool_version() {
    "$1" --version | awk '!v && match($0, /[0-9]+(\.[0-9]+)+/) { v = substr($0, RSTART, RLENGTH) }
        END { print v }'
}
joined() { printf '%s; ' "$@" | sed 's/; $//'; }

failing=()   # what fails the lint
reported=()  # findings that do not

# Runs a tool's check: its findings fail the lint when the tool is its pinned version.
# Usage: run_check <tool> <pinned version> <check>
run_check() {
    local tool=$1 pin=$2 check=$3 version
    command -v "$tool" >/dev/null ||
        { echo "lint: no $tool here; scripts/install-deps.sh --test installs it" >&2 && exit 1; }
    version=$(tool_version "$tool")
    if [[ $version == "$pin" || $version == "$pin".* ]]; then
        "$check" || failing+=("$tool")
    elif [ "$mode" = --gate ]; then
        echo "lint: $tool $version is not the pinned $pin (Debian 12's), which --gate requires" >&2
        "$check" || true
        failing+=("$tool $version, not $pin")
    else
        echo "lint: $tool $version is not the pinned $pin (Debian 12's): its findings do not gate"
        "$check" || reported+=("$tool $version")
    fi
}

run_check clang-format "$pinned_clang_format" format_check
run_check cppcheck "$pinned_cppcheck" cppcheck_check
run_check shellcheck "$pinned_shellcheck" shell_check
version_check || failing+=("the version check")
arrow_check || failing+=("the arrow check")

if [ "$mode" = --report ]; then
    reported+=("${failing[@]}")
    failing=()
fi
if [ ${#failing[@]} -gt 0 ]; then
    echo "lint: failed: $(joined "${failing[@]}")" >&2
    exit 1
elif [ ${#reported[@]} -gt 0 ]; then
    echo "lint: findings reported, not failed: $(joined "${reported[@]}")"
else
    echo "lint: clang-format, cppcheck, shellcheck, the version and the arrow checks found nothing"
fi
