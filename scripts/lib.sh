# Shared by the build, run and test scripts.

VARUNO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VARUNO_BUILD=${VARUNO_BUILD:-$VARUNO_ROOT/build}
JOBS=$(nproc 2>/dev/null || echo 2)

# Installs the Debian packages that are missing (we run as root).
need_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

BUILD_PACKAGES=(cmake ninja-build g++ python3 googletest libgtest-dev libbenchmark-dev
                g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools)
RUN_PACKAGES=(wine wine64 xvfb xauth x11-utils fonts-noto-cjk imagemagick)
TEST_PACKAGES=(clang libclang-rt-14-dev)

# Configures (once) and builds one build tree:
#   configure_and_build DIR [cmake args...]
# BUILD_TARGETS, when set, limits the build to those targets.
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$VARUNO_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    fi
    local targets=()
    [ -z "${BUILD_TARGETS:-}" ] || targets=(--target $BUILD_TARGETS)
    cmake --build "$dir" -j "$JOBS" "${targets[@]}"
}

# A private Wine prefix for the Windows builds: Japanese fonts for the dialog
# font and the system UI font, and no window-manager stalls under Xvfb.
wine_prefix() {
    local prefix=$1
    export WINEPREFIX=$prefix WINEDEBUG=-all
    if [ ! -f "$prefix/.varuno-ready" ]; then
        rm -rf "$prefix"
        mkdir -p "$prefix"
        wineboot -i >/dev/null 2>&1 || true
        local cjk="NotoSansCJK-Regular.ttc,Noto Sans CJK JP"
        LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ /d 'Noto Sans CJK JP' /f >/dev/null 2>&1
        LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /t REG_SZ /d 'Noto Sans CJK JP' /f >/dev/null 2>&1
        for face in "Tahoma" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
            LC_ALL=C.UTF-8 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
                /v "$face" /t REG_MULTI_SZ /d "$cjk" /f >/dev/null 2>&1
        done
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        wineserver -w
        touch "$prefix/.varuno-ready"
    fi
}

# Converts the screenshots the window tests took (BMP) to PNG files.
screenshots() {
    local from=$1 to=$2
    [ -d "$from" ] || return 0
    mkdir -p "$to"
    for f in "$from"/*.bmp; do
        [ -e "$f" ] || continue
        convert "$f" "$to/$(basename "${f%.bmp}").png"
    done
    echo "== screenshots in $to"
}
