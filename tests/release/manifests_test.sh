#!/usr/bin/env bash
# The winget and Scoop manifests as CPack writes them beside the zip of this build, checked by
# check_manifests.py against the package managers' schemas and the zip; then a set of broken
# copies, each of which the check must refuse, so a check that passes anything fails here.
#   manifests_test.sh CPACK_CONFIG PYTHON
set -euo pipefail
config=$1 python=$2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1700000000}
cpack --config "$config" -G ZIP -B "$work/dist" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
(cd "$work/dist" && sha256sum velmar-*-windows-x64.zip > SHA256SUMS)
"$python" "$here/check_manifests.py" "$work/dist" "$here/schemas"
grep -qx 'ReleaseDate: "2023-11-14"' "$work/dist/winget/Tovera.Velmar.installer.yaml" \
    || { echo "the release date is not the commit's"; exit 1; }

installer=winget/Tovera.Velmar.installer.yaml
zeros=$(printf '0%.0s' {1..64})
broken=(
    "$installer|s/InstallerSha256: .*/InstallerSha256: $zeros/|a hash that is not the zip's"
    "$installer|s/InstallerType: zip/InstallerType: tarball/|an installer type the schema lacks"
    "$installer|s/PortableCommandAlias: velmar-rop/PortableCommandAlias: rop/|another alias"
    "$installer|s/velmar-rop.exe/velmar-ropp.exe/|a file the zip lacks"
    "winget/Tovera.Velmar.yaml|s/^PackageVersion: .*/PackageVersion: \"9.9\"/|another version"
    "winget/Tovera.Velmar.yaml|/^DefaultLocale:/d|a required field left out"
    "scoop/velmar.json|s/\"hash\": \"[0-9a-f]*\"/\"hash\": \"$zeros\"/|a Scoop hash not the zip's"
    "scoop/velmar.json|s/^        \"velmar-rop.exe\",/        \"velmar.exe\",/|velmar.exe as bin"
    "scoop/velmar.json|s/\"license\"/\"licence\"/|a property the schema does not allow"
    "scoop/velmar.json|s/[$]sha256/\$md5/|an autoupdate regex that misses SHA256SUMS"
)
for case in "${broken[@]}"; do
    IFS='|' read -r file edit what <<<"$case"
    rm -rf "$work/broken" && cp -r "$work/dist" "$work/broken"
    sed -i "$edit" "$work/broken/$file"
    ! cmp -s "$work/dist/$file" "$work/broken/$file" || { echo "the edit did not apply: $what"; exit 1; }
    if "$python" "$here/check_manifests.py" "$work/broken" "$here/schemas" >/dev/null; then
        echo "the check passed $what"
        exit 1
    fi
done
echo "${#broken[@]} broken manifests refused"
