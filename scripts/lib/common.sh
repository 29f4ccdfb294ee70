# Shared by the scripts: installing what is missing, and the package lists.
# shellcheck shell=bash

# What every build needs: both compilers, CMake, the test and benchmark libraries, Qt, the Japanese
# translations of Qt's stock texts, a Japanese font, and Xvfb for the window's tests and
# start-up benchmark.
ZELVANU_PACKAGES=(
    g++ clang cmake ninja-build
    libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic
    xvfb xauth x11-utils libx11-dev libxdamage-dev
)

# Installs, with apt, those of the given packages that are not installed yet.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    if ! compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null; then
        "${sudo[@]}" apt-get update
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures and builds one CMake preset.
build_preset() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}
