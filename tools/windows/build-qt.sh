#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64, shared DLLs) from Debian 13's own
# qt6-base source package, at the very version whose host tools (moc, rcc, uic
# and the rest) the Debian 13 root holds, with Debian's patches applied, and
# installs it into a cache kept outside the root's throwaway overlay. It runs
# in that root (tools/ci/debian13.sh), whatever release the host runs, so the
# compiler, the host tools and the source are Debian 13's.
#
# The cache is keyed by everything that changes the build's bytes: the source
# version, the configure options, this script's toolchain file and the
# versions of the compiler, the MinGW-w64 headers, binutils, CMake and Ninja.
# A second run with the same inputs only prints the prefix. Before building,
# the root's qt6-base packages are brought to the version Debian publishes
# now, so a new upload of qt6-base (a security fix, say) makes a new key and
# the next build takes it by itself. Prints the prefix as its last line.
#
# Beside Qt, the prefix holds sorvane-qt.txt: the Qt version, the Debian
# source version, the epoch and the configure options, and the bundled
# libraries' versions and SPDX licences, as the source's qt_attribution.json
# files give them (the zip's README.txt and the release's bill of materials are
# made from it).
#
#   SORVANE_CACHE   cache directory (default /var/cache/sorvane, which
#                   tools/ci/debian13.sh keeps between runs)
#   SORVANE_JOBS    parallel compile jobs (default: the number of cores)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
if [[ -z ${SORVANE_DEBIAN13:-} ]]; then
  exec bash "$root/tools/ci/debian13.sh" bash tools/windows/build-qt.sh "$@"
fi
toolchain=$root/cmake/mingw-w64.cmake
source "$root/tools/fail.sh"

# Only what the program and its tests use: Core, Gui, Widgets and Test, with
# the windows and offscreen platform plugins and the Windows styles.
# tabletevent is off: Debian's tarball drops the wintab headers it needs.
# Third-party libraries are Qt's bundled copies, so no DLLs beyond Qt's own and
# the MinGW runtime are needed. -sbom installs Qt's own SPDX document under
# sbom/, which the release's bill of materials refers to. -unity-build
# compiles each module's sources in batches, one translation unit a batch,
# so Qt's headers are read once a batch instead of once a file: 600 steps
# instead of 1,127, and about 17 minutes on 2 cores instead of about 40; with
# the default batches of 32 it took 23 minutes. The DLLs pass every Windows
# check and draw the same pixels.
options=(
  -release -shared -opensource -confirm-license
  -xplatform win32-g++
  -nomake examples -nomake tests -nomake benchmarks
  -no-opengl -no-icu -no-dbus -no-glib -no-openssl -no-feature-vulkan
  -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent
  -no-feature-printsupport -no-feature-pdf -no-feature-jpeg
  -no-feature-tabletevent
  -sbom
  -unity-build -unity-build-batch-size 64
  -qt-zlib -qt-libpng -qt-pcre -qt-freetype -qt-harfbuzz -qt-doubleconversion
)
# The bundled libraries with a release of their own that these options
# compile into the DLLs, as folder under src/3rdparty and the name users know
# them by: their versions go into sorvane-qt.txt.
bundled=(freetype:FreeType harfbuzz-ng:HarfBuzz libpng:libpng pcre2:PCRE2 zlib:zlib
  double-conversion:double-conversion md4c:MD4C tinycbor:TinyCBOR)

# Debian's source packages come from the mirrors the root already uses: the
# root has no deb-src entry, so one is derived from each deb entry.
derive_deb_src() {
  local list=/etc/apt/sources.list.d/sorvane-src.list
  [[ -f $list ]] && return
  {
    sed -nE 's/^deb(\s)/deb-src\1/p' /etc/apt/sources.list 2>/dev/null || true
    sed -nE 's/^deb(\s)/deb-src\1/p' /etc/apt/sources.list.d/*.list 2>/dev/null || true
  } >"$list.new"
  for sources in /etc/apt/sources.list.d/*.sources; do
    [[ -f $sources ]] && sed -E 's/^Types:.*/Types: deb-src/' "$sources" >"${list%.list}-${sources##*/}"
  done
  mv "$list.new" "$list"
  apt-get update -qq
}
derive_deb_src

# The qt6-base binaries in the root (libqt6core6t64, qt6-base-dev, ...) follow
# the source Debian publishes now, so host tools and source are one version.
# The folder the source and build trees are mapped to in what the compiler
# writes, so that the random temporary folder leaves no trace in the DLLs.
mapped=/usr/src/sorvane-qt
candidate=$(LC_ALL=C apt-cache policy qt6-base-dev | sed -nE 's/^\s*Candidate: //p')
installed=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
[[ -n $candidate && $candidate != '(none)' ]] || fail "no qt6-base-dev in the root's mirrors"
if [[ $installed != "$candidate" ]]; then
  mapfile -t packages < <(dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package} ${source:Package}\n' |
                            awk '$1 == "ii" && $3 == "qt6-base" { print $2 }')
  echo "qt6-base-dev: ${installed:-not installed} in the root, $candidate published: upgrading"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${packages[@]}" qt6-base-dev >/dev/null
fi
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
upstream=${version%%+*}
# How the build is made reproducible is part of what it makes.
reproducible="epoch from debian/changelog; -ffile-prefix-map of the build folder to $mapped"
key=$( {
  echo "$version"
  printf '%s\n' "${options[@]}"
  echo "$reproducible"
  cat "$toolchain"
  dpkg-query -W -f='${binary:Package} ${Version}\n' g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
    binutils-mingw-w64-x86-64 cmake ninja-build
} | sha256sum | cut -c1-12)

cache=${SORVANE_CACHE:-/var/cache/sorvane}
mkdir -p "$cache"
prefix=$cache/qt-$upstream-mingw-x86_64-$key
# Qt's own Japanese translations do not depend on the platform: they come from
# Debian's qt6-translations-l10n, where QLibraryInfo looks in this Qt.
add_translations() {
  mkdir -p "$prefix/translations"
  cp /usr/share/qt6/translations/qtbase_ja.qm "$prefix/translations/"
}
if [[ -f $prefix/.complete ]]; then
  add_translations
  echo "Qt $upstream for Windows ($version): cached"
  echo "$prefix"
  exit 0
fi

work=$(mktemp -d "${TMPDIR:-/var/tmp}/sorvane-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
start=$SECONDS
# dpkg-source unpacks the upstream tarball and applies Debian's patches.
apt-get source -qq "qt6-base=$version" >/dev/null 2>&1 || fail "apt-get source qt6-base=$version failed"
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' -print -quit)
[[ -n $src ]] || fail "apt-get source gave no qt6-base directory"

# Two builds of the same inputs give the same bytes, on any machine: the time
# every tool stamps (rcc's file times, the DLLs' PE headers) is the source
# package's own, from its changelog, as Debian's builders take it, and the
# temporary folder is mapped away wherever the compiler records a path.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
export CFLAGS="-ffile-prefix-map=$work=$mapped" CXXFLAGS="-ffile-prefix-map=$work=$mapped"

# Installed straight into the cache; only a finished install is marked complete,
# so an interrupted build is started again from scratch.
rm -rf "$prefix"
mkdir build
cd build
"$src/configure" -prefix "$prefix" "${options[@]}" -qt-host-path /usr -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 \
  || { tail -n 60 configure.log >&2; exit 1; }
grep -q -- "-ffile-prefix-map=$work=$mapped" CMakeCache.txt || fail "the compiler flags lost -ffile-prefix-map"
nice -n 10 cmake --build . --parallel "${SORVANE_JOBS:-$(nproc)}"
# The install writes Qt's SPDX document too; should that step ever fail, Qt
# itself is still good: it is installed without the document.
sbom=yes
if ! cmake --install . >install.log 2>&1; then
  tail -n 30 install.log >&2
  echo "build-qt.sh: the install failed; installing again without Qt's SPDX document" >&2
  cmake -DQT_GENERATE_SBOM=OFF . >/dev/null
  cmake --build . >/dev/null
  cmake --install . >/dev/null
  sbom=no
fi
# Qt's SPDX document names files of the build folder: mapped as the compiler's
# paths are, so the document too is the same from any machine.
if [[ $sbom == yes ]]; then
  sed -i "s#$work#$mapped#g" "$prefix"/sbom/*.spdx
fi
# A DLL that names the build folder differs from one machine to the next: the
# build is not kept.
if leaks=$(grep -l -F "$work" "$prefix"/bin/*.dll "$prefix"/plugins/*/*.dll); then
  rm -rf "$prefix"
  fail "the build folder $work is named in: $leaks"
fi
add_translations
{
  echo "qt $upstream"
  echo "debian $version"
  echo "epoch $SOURCE_DATE_EPOCH"
  echo "configure ${options[*]}"
  echo "sbom $sbom"
  for library in "${bundled[@]}"; do
    json=$src/src/3rdparty/${library%%:*}/qt_attribution.json
    [[ -f $json ]] || fail "no $json"
    # The first entry is the library itself; later ones are parts of it.
    release=$(sed -nE 's/^\s*"Version": "(.*)",?$/\1/p' "$json" | head -n 1)
    [[ -n $release ]] || fail "no version in $json"
    echo "bundled ${library#*:} $release"
    licence=$(sed -nE 's/^\s*"LicenseId": "(.*)",?$/\1/p' "$json" | head -n 1)
    echo "licence ${library#*:} ${licence:-NOASSERTION}"
  done
} >"$prefix/sorvane-qt.txt"
touch "$prefix/.complete"
# Builds from other inputs are of no more use.
for old in "$cache"/qt-*-mingw-x86_64-*; do
  [[ $old == "$prefix" ]] || rm -rf "$old"
done
echo "Qt $upstream for Windows ($version) built in $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s"
echo "$prefix"
