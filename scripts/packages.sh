# The Debian packages Pintora needs to build, run and test. Sourced by run.sh and test.sh.
PINTORA_PACKAGES=(
  cmake ninja-build g++ pkg-config lld
  qt6-base-dev libgtest-dev googletest
  libgmime-3.0-dev libuchardet-dev libssl-dev libsqlite3-dev unicode-data
  dovecot-core dovecot-pop3d python3-aiosmtpd openssl util-linux
  clang libclang-rt-14-dev fetchmail
  fonts-ipafont fonts-noto-color-emoji
  poppler-utils
  strace
  desktop-file-utils
  qt6-translations-l10n python3-dbusmock dbus-daemon
  python3
)

pintora_install_packages() {
  local missing=()
  local pkg
  for pkg in "${PINTORA_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
