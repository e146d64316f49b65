#!/bin/sh
# Builds the Debian package of Stellarion into dist/: a release build with
# Debian's hardening flags, staged by tools/stage-package.sh, its library
# dependencies read from the binary. Two builds of the same commit give the same bytes: every time
# stamp is the last commit's, and nothing depends on the build's folder or
# the packager's umask.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh package
version=$(dpkg-parsechangelog -l resources/package/changelog -S Version)
architecture=$(dpkg --print-architecture)
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null ||
  dpkg-parsechangelog -l resources/package/changelog -S Timestamp)
export SOURCE_DATE_EPOCH

# Debian's flags (fortified functions, stack protector, relro, bind now, the
# source folder mapped to "."); dpkg-buildflags reads the folder from here.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS" CFLAGS="$CFLAGS $CPPFLAGS" LDFLAGS
rm -rf build-package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DSTELLARION_TESTS=OFF -DSTELLARION_BENCH=OFF -DSTELLARION_ACCESSIBLE=ON >/dev/null
cmake --build build-package --target stellarion stellarion_docs

staging=build-package/staging
tools/stage-package.sh build-package "$staging"

# The library packages the program needs (ATK and its bridge to the
# accessibility bus among them); dpkg-shlibdeps wants a source package's
# control file to read, which a folder of its own provides. The bus itself
# is recommended in the control file: the program runs without it.
shlibs=$(mktemp -d)
trap 'rm -rf "$shlibs"' EXIT
mkdir "$shlibs/debian"
printf 'Source: stellarion\n\nPackage: stellarion\nArchitecture: any\n' >"$shlibs/debian/control"
program=$PWD/$staging/usr/bin/stellarion
depends=$(cd "$shlibs" && dpkg-shlibdeps -O "$program" | sed -n 's/^shlibs:Depends=//p')

mkdir -p "$staging/DEBIAN"
(cd "$staging" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$staging/DEBIAN/md5sums"
sed -e "s/@VERSION@/$version/" -e "s/@ARCHITECTURE@/$architecture/" \
    -e "s/@INSTALLED_SIZE@/$(du -sk --apparent-size "$staging/usr" | cut -f1)/" \
    -e "s/@DEPENDS@/$depends/" resources/package/control >"$staging/DEBIAN/control"
chmod 0644 "$staging/DEBIAN/md5sums" "$staging/DEBIAN/control"
chmod 0755 "$staging/DEBIAN"
touch --date="@$SOURCE_DATE_EPOCH" "$staging/DEBIAN" "$staging/DEBIAN/md5sums" "$staging/DEBIAN/control"

mkdir -p dist
deb=dist/stellarion_${version}_$architecture.deb
dpkg-deb --root-owner-group -Zxz --build "$staging" "$deb" >/dev/null
echo "$deb"
