# SPDX-FileCopyrightText: 2026 TANVERA developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a script needs when they are missing: with apt-get as root,
# otherwise by printing the exact command to run and stopping.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program needs.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2)
# What the tests and benchmarks need on top.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev clang-format xvfb xauth fonts-dejavu-core)
# What a screenshot on a machine without a display needs.
SCREENSHOT_PACKAGES=(xvfb xauth imagemagick)
# What scripts/screenshot needs on top: it clicks and types into the real window.
DRIVE_PACKAGES=(xdotool)
