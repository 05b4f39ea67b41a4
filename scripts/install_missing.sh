#!/usr/bin/env bash
# install_missing PACKAGE...: installs the Debian packages named that are not installed
# yet, as root or through sudo, so that the scripts run on a fresh Debian 12 machine.
# Sourced by the scripts that need packages.
install_missing() {
    local missing=() package sudo=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
