#!/bin/sh
# Installs whatever the games and their tests need that this Debian machine lacks.
# Safe to run again: packages already present are skipped, and apt is only asked when one is missing.
set -eu

PACKAGES="cmake g++ make pkg-config liballegro4-dev"
TEST_PACKAGES="xvfb libx11-dev libxtst-dev libgtest-dev libbenchmark-dev"

want="$PACKAGES"
[ "${1:-}" = "--tests" ] && want="$PACKAGES $TEST_PACKAGES"

missing=""
for p in $want; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "installing:$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q </dev/null
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing </dev/null
