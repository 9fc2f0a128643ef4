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
RUN_PACKAGES=(wine wine64 xvfb xauth x11-utils fonts-noto-cjk fonts-ipafont-gothic imagemagick)
TEST_PACKAGES=(clang libclang-rt-14-dev)

# Configures and builds one build tree:
#   configure_and_build DIR [cmake args...]
# A tree is configured anew (from an empty cache) when its arguments or
# compilers differ from the last time. BUILD_TARGETS, when set, limits the
# build to those targets.
configure_and_build() {
    local dir=$1
    shift
    local options="CC=${CC:-} CXX=${CXX:-} $*"
    if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$dir/.varuno-options" 2>/dev/null)" != "$options" ]; then
        rm -f "$dir/CMakeCache.txt"
        cmake -S "$VARUNO_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
        echo "$options" > "$dir/.varuno-options"
    fi
    local targets=()
    [ -z "${BUILD_TARGETS:-}" ] || targets=(--target $BUILD_TARGETS)
    cmake --build "$dir" -j "$JOBS" "${targets[@]}"
}

# Whether this machine runs 32-bit x86 programs at all: some kernels are built
# or booted without IA-32 emulation, and wine32 cannot work there. Runs a tiny
# 32-bit program that only exits.
can_run_i386() {
    local probe
    probe=$(mktemp)
    printf '.globl _start\n_start: movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' |
        gcc -m32 -nostdlib -static -x assembler -o "$probe" - 2>/dev/null || { rm -f "$probe"; return 1; }
    local status=0
    "$probe" 2>/dev/null || status=1
    rm -f "$probe"
    return $status
}

# 32-bit Windows programs run under Wine only with wine32 from Debian's i386
# architecture. Installing it changes Wine itself: prefixes made before no
# longer start programs, which the prefix stamp below takes care of.
need_wine32() {
    dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed" && return 0
    echo "== installing: wine32:i386"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo dpkg --add-architecture i386
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq wine32:i386 >/dev/null
}

# What a prefix is made for: when this changes (other fonts, another Wine
# architecture installed), the prefix is made anew.
prefix_stamp() {
    echo "fonts=ipa-metrics-1 wine=$(dpkg-query -W -f='${Version}' wine 2>/dev/null) wine32=$(dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -c 'install ok installed')"
}

# A private Wine prefix for the Windows builds. The dialog fonts are mapped to
# fonts made with Windows' metrics (IPA P Gothic for "ＭＳ Ｐゴシック" and
# "MS UI Gothic", IPA Gothic for "ＭＳ ゴシック"), so that layouts are checked
# at the sizes Windows gives them; the system UI font falls back to Noto Sans
# CJK JP for Japanese text. No window-manager stalls under Xvfb.
wine_prefix() {
    local prefix
    prefix=$(mkdir -p "$1" && cd "$1" && pwd)
    export WINEPREFIX=$prefix WINEDEBUG=-all
    local stamp
    stamp=$(prefix_stamp)
    if [ "$(cat "$prefix/.varuno-ready" 2>/dev/null)" != "$stamp" ]; then
        wineserver -k 2>/dev/null || true
        rm -rf "$prefix"
        mkdir -p "$prefix"
        wineboot -i >/dev/null 2>&1 || true
        local face
        for face in "ＭＳ Ｐゴシック" "MS UI Gothic"; do
            LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'IPAPGothic' /f >/dev/null 2>&1
        done
        LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /t REG_SZ /d 'IPAGothic' /f >/dev/null 2>&1
        local cjk="NotoSansCJK-Regular.ttc,Noto Sans CJK JP"
        for face in "Tahoma" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
            LC_ALL=C.UTF-8 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
                /v "$face" /t REG_MULTI_SZ /d "$cjk" /f >/dev/null 2>&1
        done
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        wineserver -w
        [ -f "$prefix/system.reg" ] || { echo "wine_prefix: wineboot made no prefix in $prefix" >&2; return 1; }
        echo "$stamp" > "$prefix/.varuno-ready"
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
