#!/usr/bin/env bash
# Builds the Debian package into dist/ and checks it: bash scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
tools=(dpkg-dev file lintian desktop-file-utils appstream)
missing=()
for p in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build-package -DKIP_WERROR=$werror -DKIP_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-package -j"$(nproc)"
rm -f dist/kipgolf_*.deb
(cd build-package && cpack -G DEB)
deb=$(ls dist/kipgolf_*.deb)

echo "== checks of $deb =="
stage=$(mktemp -d)
dpkg-deb -x "$deb" "$stage"
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml
rm -rf "$stage"
lintian --fail-on error "$deb"
echo "package: $deb"
