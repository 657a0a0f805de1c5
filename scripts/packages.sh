# Installs the Debian packages that building and testing need, when missing.
# Sourced by ./run, ./test and ./bench.

MOBWRIGHT_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-l10n-tools libgl-dev libgtest-dev libcsv-dev zlib1g-dev
                    rapidjson-dev libmuparser-dev qt6-charts-dev qt6-svg-dev)
# The fuzz targets: clang with libFuzzer and its sanitizer runtimes, and
# llvm-symbolizer so that a failure's stack trace names the source lines.
MOBWRIGHT_FUZZ_PACKAGES=(clang libclang-rt-dev llvm)
# Checking the desktop entry and metainfo, and building the .deb.
MOBWRIGHT_INSTALL_PACKAGES=(desktop-file-utils appstream dpkg-dev)

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "${MOBWRIGHT_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
}
