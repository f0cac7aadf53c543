# Shared by scripts/test and scripts/run: installs what is missing, builds, and manages the
# private X display and Wine prefix that the Windows build runs in.

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$repo/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

required_packages=(
    cmake ninja-build make g++ googletest libgtest-dev dpkg-dev clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
    wine wine64 fonts-wine xvfb xauth x11-apps imagemagick python3 unzip
    python3-jsonschema python3-yaml nlohmann-json3-dev
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
    local missing=()
    for package in "${required_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# With VELMAR_X86_TESTS=1 (.ci/run), a 32-bit Wine as well, for the x86 build of
# velmar-conform: Debian's wine32 of the i386 architecture. Its libraries must be the very
# versions of the amd64 ones installed, so an i386 package list that does not download (a mirror
# in the middle of a sync) leaves it uninstallable: that is said, and the test that needs it is
# skipped.
ensure_x86_wine() {
    [ "${VELMAR_X86_TESTS:-}" = 1 ] || return 0
    dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' && return 0
    echo "Installing the 32-bit Wine (wine32:i386)"
    dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    as_root apt-get update -q || true
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        wine32:i386 || echo "the 32-bit Wine could not be installed; the x86 quick set is skipped" >&2
}

# Ninja where it is installed; a build folder made by another generator is configured afresh.
build_preset() {
    local dir="$repo/build/$1"
    if command -v ninja >/dev/null 2>&1; then export CMAKE_GENERATOR=${CMAKE_GENERATOR:-Ninja}; fi
    if [ -n "${CMAKE_GENERATOR:-}" ] && [ -f "$dir/CMakeCache.txt" ] &&
        ! grep -qx "CMAKE_GENERATOR:INTERNAL=$CMAKE_GENERATOR" "$dir/CMakeCache.txt"; then
        rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
    fi
    export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

# Xvfb picks a free display itself and names it on a pipe once it is ready, so two runs on one
# machine never race for a number.
display_pids=()
# Starts one and prints its name (":5"). The screen's size may be given (WIDTHxHEIGHT); otherwise
# one that holds the main window whole at 200 %, so tests read every control of it from the screen.
start_display() {
    local size=${1:-2560x1600}
    local pipe number=
    pipe=$(mktemp -u /tmp/velmar-display.XXXXXX)
    mkfifo "$pipe"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$pipe" >/dev/null 2>&1 &
    display_pids+=($!)
    read -r -t 30 number <"$pipe" || true
    rm -f "$pipe"
    if [ -z "$number" ] || ! kill -0 "${display_pids[-1]}" 2>/dev/null; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    display_name=":$number"
}

start_private_display() {
    start_display "$@"
    export DISPLAY=$display_name
}

stop_private_display() {
    local pid
    for pid in "${display_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    display_pids=()
}

# The Windows tests run in two lanes at once, each a Wine server with a prefix of its own on an X
# display of its own, so two tests never share a desktop, a focus, a clipboard or a registry.
# Lane a is the ordinary prefix and display; lane b's are named for scripts/wine-exec, which
# runs a test there when CTest asks for lane b (tests/CMakeLists.txt).
start_second_lane_display() {
    start_display
    export VELMAR_DISPLAY_B=$display_name
    export VELMAR_WINEPREFIX_B=$repo/build/wineprefix-b
}

# Lane b's prefix is a copy of lane a's prepared one: a second first start would take as long.
copy_prefix_for_second_lane() {
    wineserver -w
    if [ ! -d "$VELMAR_WINEPREFIX_B" ]; then
        cp -a "$WINEPREFIX" "$VELMAR_WINEPREFIX_B"
    fi
}

# Both lanes' prefixes, ready for tests, made in the background: a new prefix's first start is
# mostly waiting (about 25 s here), which the builds can use. wait_for_wine_lanes collects it.
prepare_wine_lanes_in_background() {
    mkdir -p "$repo/build"
    (prepare_wine_prefix && make_windows_unmanaged && copy_prefix_for_second_lane) \
        >"$repo/build/wine-prefixes.log" 2>&1 &
    wine_lanes_pid=$!
}

wait_for_wine_lanes() {
    wait "$wine_lanes_pid" || { cat "$repo/build/wine-prefixes.log" >&2; return 1; }
}

# The first start of a new prefix takes seconds; do it once, before tests run in parallel.
prepare_wine_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    install_caption_glyph_font
}

# Wine draws the caption buttons with glyphs of its Marlett font, but this Wine build does not
# find the fonts it ships, so the buttons showed plain letters. It does read the prefix's Fonts.
install_caption_glyph_font() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" marlett=/usr/share/wine/fonts/marlett.ttf
    if [ -f "$marlett" ] && [ -d "$fonts" ] && [ ! -e "$fonts/marlett.ttf" ]; then
        cp "$marlett" "$fonts/"
    fi
}

# Tests run on an X server without a window manager. Wine waits two seconds for a window manager
# to acknowledge every managed window that goes away; unmanaged windows need no acknowledgement.
make_windows_unmanaged() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
}

stop_wine() {
    wineserver -k 2>/dev/null || true
    if [ -n "${VELMAR_WINEPREFIX_B:-}" ]; then
        WINEPREFIX=$VELMAR_WINEPREFIX_B wineserver -k 2>/dev/null || true
    fi
}
