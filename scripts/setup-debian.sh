#!/usr/bin/env bash
# Installs everything Seven Stud needs to build, test and run on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# ---- install check (scripts/check-install.sh) ----
# lintian for the package, AppStream's validator, GLib's launcher for the
# menu entry, a headless Wayland compositor with Qt's Wayland plugin, and
# openbox with the X tools that measure its windows.
$SUDO apt-get install -y -q --no-install-recommends \
    lintian man-db appstream libglib2.0-bin weston qt6-wayland openbox x11-utils
# ---- what the game needs to build, test and run ----
$SUDO apt-get install -y -q --no-install-recommends \
    build-essential cmake ninja-build pkg-config git ca-certificates \
    googletest libgtest-dev libgmock-dev libbenchmark-dev libjpeg62-turbo-dev libsqlite3-dev sqlite3 \
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6opengl6-dev libgl-dev \
    qt6-qpa-plugins libqt6multimedia6 gstreamer1.0-plugins-base libpulse0 \
    fonts-dejavu-core xvfb xauth xdotool imagemagick \
    clang-14 libclang-rt-14-dev clang-format valgrind dpkg-dev file desktop-file-utils

# ---- screen reader check (scripts/orca-check.sh) ----
# Orca and the AT-SPI bus and registry, with a private D-Bus session bus.
$SUDO apt-get install -y -q --no-install-recommends \
    orca at-spi2-core python3-pyatspi dbus dbus-daemon
