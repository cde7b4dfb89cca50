# Debian packages the build and the tests need; sourced by scripts/play and scripts/test.
QUORVEX_PACKAGES=(
  g++ make cmake pkg-config git ca-certificates
  qt6-base-dev qt6-base-dev-tools libgl-dev libgif-dev
  libgtest-dev libgmock-dev
  fonts-dejavu-core fonts-noto-cjk
  famfamfam-flag-png
  qt6-svg-dev kdegames-card-data-kf5 gnome-cards-data fonts-symbola
  qt6-multimedia-dev libfluidsynth-dev timgm6mb-soundfont libespeak-ng-dev
  libcurl4-openssl-dev qt6-httpserver-dev qt6-websockets-dev libqt6sql6-sqlite libqt6sql6-psql
  postgresql postgresql-common python3-pyftpdlib
  fluidsynth lame ffmpeg pulseaudio
  clang libclang-rt-14-dev
)

# Installs whichever of the packages are missing, as root or through sudo.
quorvex_install_missing() {
  local missing=()
  local p
  for p in "${QUORVEX_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  quorvex_apt_install "${missing[@]}"
}

# Installs the Debian packages named, as root or through sudo; nothing to do for none.
quorvex_apt_install() {
  [ $# -eq 0 ] && return 0
  echo "Installing: $*"
  local run=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      run=(sudo)
    else
      echo "These Debian packages are missing and neither root nor sudo is available: $*" >&2
      return 1
    fi
  fi
  "${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q || return 1
  "${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}

# What only the tests need: node and npm, and the "pbn" package of npm, a PBN reader of another
# author that reads our PBN export back (tests/records). The package goes into the build folder,
# never into the sources, and is fetched only when that version is not there yet.
QUORVEX_TEST_PACKAGES=(nodejs npm)
QUORVEX_PBN_READER_VERSION=1.6.1
quorvex_install_test_tools() {
  local missing=()
  # A node from elsewhere than Debian may bring its own npm, which Debian's npm conflicts with:
  # the commands count, not the package names.
  command -v node >/dev/null 2>&1 || missing+=("${QUORVEX_TEST_PACKAGES[0]}")
  command -v npm >/dev/null 2>&1 || missing+=("${QUORVEX_TEST_PACKAGES[1]}")
  quorvex_apt_install "${missing[@]}" || return 1
  local dir="$QUORVEX_ROOT/build/pbn-reader"
  local have
  have="$(node -p "require('$dir/node_modules/pbn/package.json').version" 2>/dev/null || true)"
  [ "$have" = "$QUORVEX_PBN_READER_VERSION" ] && return 0
  echo "Installing the npm package pbn@$QUORVEX_PBN_READER_VERSION into $dir"
  mkdir -p "$dir" &&
    (cd "$dir" && npm install --no-audit --no-fund --no-save --loglevel=error \
      "pbn@$QUORVEX_PBN_READER_VERSION")
}

# Configures and builds: everything, or only the targets named after the build type.
quorvex_build() {
  local type="$1"
  shift
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake -S "$QUORVEX_ROOT" -B "$QUORVEX_ROOT/build" -DCMAKE_BUILD_TYPE="$type" &&
    cmake --build "$QUORVEX_ROOT/build" --parallel "$(nproc)" "${targets[@]}"
}

# The same sources with AddressSanitizer and UndefinedBehaviorSanitizer, in a folder of their own.
quorvex_build_sanitized() {
  cmake -S "$QUORVEX_ROOT" -B "$QUORVEX_ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=Release \
    -DQUORVEX_SANITIZE=ON -DQUORVEX_PBN_READER_DIR="$QUORVEX_ROOT/build/pbn-reader" &&
    cmake --build "$QUORVEX_ROOT/build-sanitize" --parallel "$(nproc)"
}

# Starts the online services on this machine when the game's built-in address is a local one
# and nothing answers there yet. The server keeps running for other game windows.
quorvex_start_local_server() {
  local url
  url="$(sed -n 's/^QUORVEX_SERVICE_URL:STRING=//p' "$QUORVEX_ROOT/build/CMakeCache.txt")"
  url="${url:-http://127.0.0.1:8047}"
  local hostport="${url#http://}"
  hostport="${hostport%%/*}"
  local host="${hostport%%:*}" port="${hostport##*:}"
  [ "$host" = "$port" ] && port=80
  case "$host" in
    127.0.0.1 | localhost) ;;
    *) return 0 ;;  # a shared server elsewhere
  esac
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
    return 0  # already answering
  fi
  local data="$QUORVEX_ROOT/build/server-data"
  mkdir -p "$data"
  # The members' pictures come in by FTP on the next port; the tournament's ten tables listen on
  # the ten ports after port + 10.
  nohup "$QUORVEX_ROOT/build/bin/quorvex-server" --listen "127.0.0.1:$port" --data "$data" \
    --ftp "127.0.0.1:$((port + 1))" --relay "127.0.0.1:$((port + 10))" >"$data/console.log" 2>&1 &
  local i
  for i in $(seq 1 50); do
    if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "Online services started on $url (log: $data/server.log)"
      return 0
    fi
    sleep 0.1
  done
  echo "The online services did not start (see $data/console.log); the game plays without them." >&2
  return 0
}
