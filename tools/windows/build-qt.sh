#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64, shared DLLs) from Debian's own
# qt6-base source package, the same release as the Linux build, and installs it
# into a cache outside the checkout. The cache is keyed by the Qt version, the
# configure options and the compiler, so a second run with the same inputs only
# prints the prefix. Prints the prefix as its last line.
#
#   SORVANE_CACHE   cache directory (default /var/cache/sorvane, or
#                   ~/.cache/sorvane when that is not writable)
#   SORVANE_JOBS    parallel compile jobs (default: the number of cores)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
toolchain=$root/cmake/mingw-w64.cmake

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

# Only what the program and its tests use: Core, Gui, Widgets and Test, with
# the windows and offscreen platform plugins and the Windows styles.
# direct2d stays on: the windows platform plugin uses the DirectWrite font
# database, which this release compiles only together with direct2d.
# tabletevent is off: Debian's tarball drops the wintab headers it needs.
# Third-party libraries are Qt's bundled copies, so no DLLs beyond Qt's own and
# the MinGW runtime are needed.
options=(
  -release -shared -opensource -confirm-license
  -xplatform win32-g++
  -nomake examples -nomake tests -nomake benchmarks
  -no-opengl -no-icu -no-dbus -no-glib -no-openssl -no-feature-vulkan
  -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent
  -no-feature-printsupport -no-feature-pdf -no-feature-jpeg
  -no-feature-tabletevent -feature-direct2d
  -qt-zlib -qt-libpng -qt-pcre -qt-freetype -qt-harfbuzz -qt-doubleconversion
)

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
[[ -n $version ]] || { echo "build-qt.sh: qt6-base-dev is not installed" >&2; exit 1; }
upstream=${version%%+*}
key=$( { echo "$version"; printf '%s\n' "${options[@]}"; x86_64-w64-mingw32-g++-posix --version | head -n1; } |
         sha256sum | cut -c1-12)

cache=${SORVANE_CACHE:-/var/cache/sorvane}
if ! mkdir -p "$cache" 2>/dev/null || [[ ! -w $cache ]]; then
  cache=${XDG_CACHE_HOME:-$HOME/.cache}/sorvane
  mkdir -p "$cache"
fi
prefix=$cache/qt-$upstream-mingw-x86_64-$key
# Qt's own Japanese translations do not depend on the platform: they come from
# Debian's qt6-translations-l10n, where QLibraryInfo looks in this Qt.
add_translations() {
  mkdir -p "$prefix/translations"
  cp /usr/share/qt6/translations/qtbase_ja.qm "$prefix/translations/"
}
if [[ -f $prefix/.complete ]]; then
  add_translations
  echo "Qt $upstream for Windows: cached"
  echo "$prefix"
  exit 0
fi

# Debian's source packages come from the mirrors the machine already uses.
sources=/etc/apt/sources.list.d/debian.sources
srcs=/etc/apt/sources.list.d/debian-src.sources
if ! apt-get source --print-uris -qq qt6-base >/dev/null 2>&1; then
  [[ -f $sources ]] || { echo "build-qt.sh: no $sources to derive a deb-src entry from" >&2; exit 1; }
  sed -E 's/^Types:.*/Types: deb-src/' "$sources" | "${sudo[@]}" tee "$srcs" >/dev/null
  "${sudo[@]}" apt-get update -qq
fi

work=$(mktemp -d "${TMPDIR:-/var/tmp}/sorvane-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
start=$SECONDS
apt-get source -qq "qt6-base=$version" >/dev/null 2>&1 || apt-get source -qq qt6-base
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' -print -quit)
[[ -n $src ]] || { echo "build-qt.sh: apt-get source gave no qt6-base directory" >&2; exit 1; }

# Installed straight into the cache; only a finished install is marked complete,
# so an interrupted build is started again from scratch.
rm -rf "$prefix"
mkdir build
cd build
"$src/configure" -prefix "$prefix" "${options[@]}" -qt-host-path /usr -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 \
  || { tail -n 60 configure.log >&2; exit 1; }
nice -n 10 cmake --build . --parallel "${SORVANE_JOBS:-$(nproc)}"
cmake --install . >/dev/null
add_translations
touch "$prefix/.complete"
echo "Qt $upstream for Windows built in $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s"
echo "$prefix"
