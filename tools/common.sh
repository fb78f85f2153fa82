# Shared by tools/run-editor and tools/run-tests: install what is missing, then build.
# Sourced, not run.

# Debian packages the build and the tests need: the compiler and build tools, the test and
# benchmark libraries, giflib and libpng, Qt 6 Widgets with Qt's own Korean texts, a font with
# Hangul, and the font configuration library, which the editor reads early at start-up.
PATTIK_PACKAGES=(g++ cmake ninja-build libgtest-dev libbenchmark-dev libgif-dev libpng-dev
    qt6-base-dev qt6-translations-l10n fonts-nanum libfontconfig-dev)
# What tools/run-tests needs on top for the clang build and the format check. The
# sanitizer runtimes (libclang-rt-dev) are only recommended by clang, so they are named.
PATTIK_TEST_PACKAGES=(clang libclang-rt-dev clang-format)

pattik_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# pattik_install_missing [more packages...]: installs those of PATTIK_PACKAGES and the
# ones named that are not installed yet; does nothing (and needs no network) when all are
# there.
pattik_install_missing() {
    local missing=()
    local package
    for package in "${PATTIK_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [[ ${#missing[@]} -eq 0 ]]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# pattik_configure <build folder> [cmake options...]: configures (again only when needed).
pattik_configure() {
    local folder=$1
    shift
    cmake -S "$pattik_root" -B "$folder" -G Ninja -DPATTIK_WERROR=ON "$@" >/dev/null
}

# pattik_build <build folder> [cmake options...]: configures, then builds everything.
pattik_build() {
    pattik_configure "$@"
    cmake --build "$1"
}
