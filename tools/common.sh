# Shared by run.sh and test.sh: install missing Debian packages, configure and build.
# Sourced, not run.

SOUKOLI_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages the build needs.
SOUKOLI_PACKAGES=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
                  qt6-base-dev libgl-dev fonts-dejavu-core poppler-utils xvfb xauth)

soukoli_install_packages() {
    local missing=()
    local p
    for p in "${SOUKOLI_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# soukoli_build <build dir> [extra cmake arguments...]
soukoli_build() {
    local dir=$1
    shift
    cmake -S "$SOUKOLI_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel
}
