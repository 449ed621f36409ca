#!/usr/bin/env bash
# Installs every system package the client, its tests and its benchmarks need (Debian 12).
set -euo pipefail
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
    g++ cmake ninja-build pkg-config git \
    qt6-base-dev libgl-dev libpcre2-dev libcurl4-openssl-dev zlib1g-dev libsimdjson-dev \
    libssh2-1-dev libxlsxwriter-dev libzxing-dev libboost1.81-dev \
    libgtest-dev libgmock-dev googletest libbenchmark-dev clang-14 \
    locales xvfb xauth openssh-server openssh-client fonts-dejavu-core cups-client \
    >/dev/null
# The tests compare the output under C and pt_BR locales.
if ! locale -a 2>/dev/null | grep -qi '^pt_BR.utf8$'; then
    $SUDO sed -i 's/^# *pt_BR.UTF-8 UTF-8/pt_BR.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^pt_BR.UTF-8 UTF-8' /etc/locale.gen || echo 'pt_BR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
fi

# The throw-away account of the SFTP tests: no home, no login shell, a password the tests know.
# Only the tests' own sshd admits it (loopback, chrooted, internal-sftp only); the machine's own
# sshd refuses it.
SFTP_TEST_USER=zunta-sftp
if ! id "$SFTP_TEST_USER" >/dev/null 2>&1; then
    $SUDO useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
        "$SFTP_TEST_USER"
fi
echo "$SFTP_TEST_USER:zunta-sftp-teste" | $SUDO chpasswd
# The tests' chroot folders: every folder above a chroot must be root's and closed to others.
$SUDO install -d -m 0755 -o root -g root /srv/zunta-sftp
if [ -d /etc/ssh/sshd_config.d ]; then
    conf=/etc/ssh/sshd_config.d/zunta-sftp-test.conf
    if [ "$(cat "$conf" 2>/dev/null)" != "DenyUsers $SFTP_TEST_USER" ]; then
        echo "DenyUsers $SFTP_TEST_USER" | $SUDO tee "$conf" >/dev/null
        if command -v systemctl >/dev/null 2>&1 && systemctl is-active --quiet ssh 2>/dev/null; then
            $SUDO systemctl reload ssh
        fi
    fi
fi
