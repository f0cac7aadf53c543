#!/usr/bin/env bash
# The release as a user gets it: two scripts/package runs, each in a clean clone of the committed
# HEAD, give the same bytes (the manifests too); the zip holds the programs (system DLLs only,
# no network library; velmar-conform in its x64 and x86 builds), README.txt, LICENSE.txt and
# docs/conformance.md, and its winget and Scoop manifests match it and
# their schemas; BUILDINFO names the commit; the .deb unpacks and its velmar-rop answers. Slow (two
# whole builds), so it runs only with VELMAR_RELEASE_TESTS=1, as CI sets it; otherwise it is
# skipped.
#   release_test.sh REPOSITORY OBJDUMP
set -euo pipefail
repo=$1 objdump=$2
if [ "${VELMAR_RELEASE_TESTS:-}" != 1 ]; then
    echo "skipped: set VELMAR_RELEASE_TESTS=1 to build the release twice and compare"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for run in first second; do
    git clone -q "$repo" "$work/$run"
    (cd "$work/$run" && scripts/package >"$work/$run.log" 2>&1) || { tail -20 "$work/$run.log"; exit 1; }
done
first=$work/first/dist second=$work/second/dist
version=$(sed -n 's/.*velmar-\([0-9.]*\)-windows-x64.zip$/\1/p' "$first/SHA256SUMS")
zip=velmar-$version-windows-x64.zip deb=velmar-rop_${version}_amd64.deb
manifests="winget/Tovera.Velmar.yaml winget/Tovera.Velmar.locale.en-US.yaml
    winget/Tovera.Velmar.installer.yaml scoop/velmar.json"
for file in "$zip" "$deb" SHA256SUMS $manifests; do
    cmp "$first/$file" "$second/$file" || { echo "$file differs between two builds"; exit 1; }
done
(cd "$first" && sha256sum --quiet -c SHA256SUMS)
/usr/bin/python3 "$(dirname "$0")/check_manifests.py" "$first" "$(dirname "$0")/schemas"
grep -qx "commit $(git -C "$repo" rev-parse HEAD)" "$first/BUILDINFO" || { cat "$first/BUILDINFO"; exit 1; }

names=$(unzip -Z1 "$first/$zip" | grep -v '/$' | LC_ALL=C sort | tr '\n' ' ')
top=velmar-$version-windows-x64
expected="$top/LICENSE.txt $top/README.txt $top/docs/conformance.md $top/velmar-conform-x86.exe \
$top/velmar-conform.exe $top/velmar-rop.exe $top/velmar.exe "
[ "$names" = "$expected" ] || { echo "the zip holds: $names"; exit 1; }
unzip -q "$first/$zip" -d "$work/zip"
for program in velmar.exe velmar-rop.exe velmar-conform.exe velmar-conform-x86.exe; do
    "$(dirname "$0")/../app/imports_only_system_dlls.sh" "$work/zip/$top/$program" "$objdump" >/dev/null
done
"$objdump" -f "$work/zip/$top/velmar-conform-x86.exe" | grep -q 'file format pei-i386$' \
    || { echo "velmar-conform-x86.exe is not an x86 program"; exit 1; }
"$(dirname "$0")/../app/imports_no_network_library.sh" "$objdump" "$work/zip/$top/"*.exe >/dev/null

dpkg-deb -x "$first/$deb" "$work/root"
[ "$(dpkg-deb -f "$first/$deb" Package)" = velmar-rop ]
[ -f "$work/root/usr/share/man/man1/velmar-rop.1.gz" ]
"$work/root/usr/bin/velmar-rop" --index E2 | grep -qx "Code           0x00E20746"
echo "release $version: $zip, $deb and SHA256SUMS the same twice"
