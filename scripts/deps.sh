# Installs the Debian packages that building, running and testing need,
# only those that are missing. Sourced by run.sh and test.sh.

korvalen_packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-base-private-dev qt6-svg-dev libgl-dev zlib1g-dev libdeflate-dev libjpeg62-turbo-dev libxml2-dev
    libgoogle-perftools-dev
    libgtest-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core fonts-liberation2
    desktop-file-utils appstream libxml2-utils man-db dpkg-dev file openbox wmctrl clang-format
    python3 tidy poppler-utils xdotool
)

korvalen_install_missing() {
    local missing=()
    local package
    for package in "${korvalen_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            sudo=(sudo)
        else
            echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
            return 1
        fi
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# korvalen_build DIR [cmake options...]: configures once, then builds.
korvalen_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
    fi
    cmake --build "$dir" -j 2
}
