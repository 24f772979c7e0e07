# Sourced by the make-*.sh scripts: installs a Debian package at the version the committed
# images were made with, or warns when another version is already installed.
# shellcheck shell=bash disable=SC2034

DEB_RSVG=2.54.7+dfsg-1~deb12u2
DEB_IMAGEMAGICK=8:6.9.11.60+dfsg-1.6+deb12u16
DEB_OXYGEN=5:5.103.0-1

apt_updated=
ensure_deb() { # package version
    local have
    have=$(dpkg-query -W -f='${Status} ${Version}' "$1" 2>/dev/null || true)
    if [[ $have != "install ok installed "* ]]; then
        if [ -z "$apt_updated" ]; then
            apt-get update
            apt_updated=1
        fi
        apt-get install -y --no-install-recommends "$1=$2"
    elif [ "${have##* }" != "$2" ]; then
        echo "warning: $1 ${have##* } is installed; the committed images were made with $2" >&2
    fi
}
