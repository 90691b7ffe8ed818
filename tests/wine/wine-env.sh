# Sourced by the Wine scripts: the throwaway prefix of one build tree.
# Needs ORLENA_BUILD_DIR (the CMake build folder) and ORLENA_WINDOWS_ARCH
# (i686 or x86_64, the architecture of the programs to run); ORLENA_WINE_DIR
# moves the prefix and its Xvfb state elsewhere (default: <build>/wine).
: "${ORLENA_BUILD_DIR:?set ORLENA_BUILD_DIR to the build folder}"
ORLENA_WINDOWS_ARCH="${ORLENA_WINDOWS_ARCH:-i686}"

orlena_wine_dir="${ORLENA_WINE_DIR:-$(cd "$ORLENA_BUILD_DIR" && pwd)/wine}"
export WINEPREFIX="$orlena_wine_dir/prefix"
export WINEDEBUG=-all
# No offers to install Mono or Gecko; the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's programs run with LC_ALL=ja_JP.UTF-8, so the ANSI and OEM code
# pages are 932 as on a Japanese system (the Linux locale need not exist).
orlena_wine() { env LC_ALL=ja_JP.UTF-8 "$orlena_wine_loader" "$@"; }
# WinInet must follow the prefix's own proxy settings, not the caller's.
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY no_proxy NO_PROXY

if [ "$ORLENA_WINDOWS_ARCH" = x86_64 ]; then
    export WINEARCH=win64
    orlena_wine_loader=/usr/lib/wine/wine64
else
    export WINEARCH=win32
    orlena_wine_loader=/usr/lib/wine/wine
fi
export WINELOADER="$orlena_wine_loader"

# The programs get a display of their own: ORLENA_DISPLAY when given, else
# the Xvfb that wine-session.sh started; never the user's DISPLAY.
if [ -n "${ORLENA_DISPLAY:-}" ]; then
    export DISPLAY="$ORLENA_DISPLAY"
elif [ -f "$orlena_wine_dir/display" ]; then
    DISPLAY="$(cat "$orlena_wine_dir/display")"
    export DISPLAY
else
    unset DISPLAY
fi
