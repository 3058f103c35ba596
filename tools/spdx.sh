#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The soukoli developers
# The licence line (SPDX) and the copyright line at the top of every source file: C++ sources and
# headers, CMake files and shell scripts (after the #! line).
#   tools/spdx.sh check   lists the files without the licence line; fails when there is one
#   tools/spdx.sh add     gives them both lines (files that have the licence line stay as they are)
# The files are those git tracks; outside a git checkout (an unpacked source tarball), those find
# finds outside the build folders.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
licence='SPDX-License-Identifier: GPL-3.0-or-later'
copyright='Copyright (C) 2026 The soukoli developers'

# Every file of the source tree, relative to its root.
all_files() {
    if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git -C "$root" ls-files
    else
        (cd "$root" && find . -path ./.git -prune -o -path './build*' -prune -o -path ./debian -prune \
                              -o -path ./.cache -prune -o -path "./obj-*" -prune -o -type f -print | sed 's|^\./||')
    fi
}

# Sets `mark` to the comment leader of a source file, empty for a file that is not one. Shell
# builtins only, without a subshell: the check runs as a test over every file.
set_mark() {
    mark=
    case "${1##*/}" in
    *.cpp | *.h) mark='//' ;;
    CMakeLists.txt | *.cmake | *.sh) mark='#' ;;
    *.*) ;;
    *)
        local first=
        IFS= read -r first <"$root/$1" 2>/dev/null || true
        if [[ $first =~ ^\#!.*[/\ ](ba)?sh($|\ ) ]]; then mark='#'; fi
        ;;
    esac
}

# True when the licence line is among the first five lines of the file.
has_licence() {
    local line n=0
    while [ $n -lt 5 ] && IFS= read -r line; do
        [[ $line == *"$licence"* ]] && return 0
        n=$((n + 1))
    done <"$root/$1"
    return 1
}

add_header() {
    local file=$root/$1 mark=$2 tmp
    tmp=$(mktemp)
    if head -n 1 "$file" | grep -q '^#!'; then
        { head -n 1 "$file"; printf '%s %s\n%s %s\n' "$mark" "$licence" "$mark" "$copyright"; tail -n +2 "$file"; } >"$tmp"
    else
        { printf '%s %s\n%s %s\n' "$mark" "$licence" "$mark" "$copyright"; cat "$file"; } >"$tmp"
    fi
    # Keeps the file's mode (executable scripts stay executable).
    cat "$tmp" >"$file"
    rm -f "$tmp"
}

# The whole run is one function, read before it starts: `add` may rewrite this very file.
main() {
    local mode missing f
    mode=${1:-}
    case "$mode" in
    check | add) ;;
    *)
        echo "usage: tools/spdx.sh check | add" >&2
        return 3
        ;;
    esac

    missing=0
    while IFS= read -r f; do
        [ -f "$root/$f" ] || continue
        set_mark "$f"
        [ -n "$mark" ] || continue
        has_licence "$f" && continue
        if [ "$mode" = add ]; then
            add_header "$f" "$mark"
            echo "added: $f"
        else
            echo "no licence line ($mark $licence): $f"
            missing=1
        fi
    done < <(all_files)
    return $missing
}

main "$@"; exit $?
