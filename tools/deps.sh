# Sourced by run.sh and test.sh: installs the Debian packages that are missing.
# Usage: hrl_install_packages pkg...
hrl_install_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# What building needs.
HRL_BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
                    libicu-dev tzdata fonts-dejavu-core)
# What the window needs at run time under Xvfb, and what the end-to-end tests drive it with.
HRL_DISPLAY_PACKAGES=(xvfb xauth openbox trayer xdotool x11-utils imagemagick)
# What the install test checks the installed files with (and the desktop entry's generator).
HRL_CHECK_PACKAGES=(desktop-file-utils appstream python3 imagemagick)
# What tools/package.sh needs besides: cpack finds the libraries with dpkg-shlibdeps and file.
HRL_PACKAGE_PACKAGES=(dpkg-dev file)
