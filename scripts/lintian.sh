#!/usr/bin/env bash
# Builds the two Debian packages (zuvar-cli, zuvar) in their own build folder with Debian's
# hardening flags and checks them with lintian, and the desktop files with their validators.
# Any error or warning fails. Without lintian it says so and passes.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v lintian >/dev/null 2>&1; then
  echo "lintian is not installed: the Debian packages are not checked."
  exit 0
fi

build=${ZUVAR_DEB_BUILD_DIR:-build-deb}
jobs=$(nproc 2>/dev/null || echo 2)
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZUVAR_HARDENING=ON \
  -DZUVAR_BUILD_TESTS=OFF -DZUVAR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)

status=0
for deb in "$build"/*.deb; do
  echo "lintian $(basename "$deb")"
  report=$(lintian --fail-on none "$deb" 2>&1 || true)
  [ -n "$report" ] && echo "$report"
  if echo "$report" | grep -qE '^[EW]: '; then status=1; fi
done

# The desktop entry, the AppStream metadata and the MIME type beside it.
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate packaging/zuvar.desktop || status=1
fi
for metainfo in packaging/*.metainfo.xml; do
  [ -e "$metainfo" ] || continue
  if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net --pedantic "$metainfo" || status=1
  fi
done

if command -v update-mime-database >/dev/null 2>&1; then
  data=$(mktemp -d)
  mkdir -p "$data/mime/packages"
  cp packaging/zuvar-mime.xml "$data/mime/packages/zuvar.xml"
  if XDG_DATA_DIRS="$data" XDG_DATA_HOME="$data" update-mime-database "$data/mime" 2>&1 | grep .; then
    status=1
  fi
  rm -rf "$data"
fi

exit "$status"
