#!/usr/bin/env bash
# Checks a built package: its control fields and its file list; with --install also
# unpacks it into a throw-away root (dpkg -x), validates the menu entry and runs the
# program's --version there.
#   scripts/check-package.sh PACKAGE.deb [--install]
set -euo pipefail
deb="$1"
install="${2:-}"
failed=0
fail() {
    echo "ΑΠΟΤΥΧΙΑ: $*" >&2
    failed=1
}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lethora ] || fail "Package: $(field Package)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
version="$(field Version)"
[[ "$version" =~ ^[0-9]{4}\.[0-9]+\.[0-9]+$ ]] || fail "Version: $version"
[ "$(basename "$deb")" = "lethora_${version}_amd64.deb" ] || fail "file name $(basename "$deb")"
depends="$(field Depends)"
# Found by dpkg-shlibdeps from the programs, and named for what is loaded at run time.
for needed in libqt6widgets6 libqt6sql6 libqt6network6 libxlsxwriter libqt6sql6-sqlite \
    fonts-dejavu-core chromium; do
    grep -Eq "(^|, )$needed[0-9a-z]*( |,|$)" <<<"$depends" ||
        fail "Depends lacks $needed: $depends"
done
# The driver of the WebDriver provider is a suggestion only.
! grep -Eq "(^|, )chromium-driver( |,|$)" <<<"$depends" || fail "Depends names chromium-driver"
[ "$(field Suggests)" = chromium-driver ] || fail "Suggests: $(field Suggests)"

files="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in ./usr/bin/lethora ./usr/share/applications/lethora.desktop \
    ./usr/share/icons/hicolor/scalable/apps/lethora.svg \
    ./usr/share/lethora/ClrTbls/Users.db ./usr/share/lethora/ClrTbls/Comps.db \
    ./usr/share/lethora/ClrTbls/MistDilProtypa.db ./usr/share/lethora/ClrData/Edra.DB \
    ./usr/share/lethora/ClrData/MistDilMast.DB ./usr/share/lethora/ClrData/MistDilDet.DB \
    ./usr/share/lethora/ClrData/MistDilAkinita.DB \
    ./usr/lib/lethora/register-filter ./usr/lib/lethora/register-export \
    ./usr/lib/lethora/read-declaration-page ./usr/lib/lethora/read-submission-list \
    ./usr/lib/lethora/store-migrate; do
    grep -qxF "$path" <<<"$files" || fail "missing $path"
done
outside="$(grep -v '^\./$' <<<"$files" | grep -v '^\./usr/' || true)"
[ -z "$outside" ] || fail "files outside /usr: $outside"
# Nothing of the build tree's working folder beyond its templates.
stray="$(grep -E '/(Data|Tables)/|settings\.ini|\.lck$' <<<"$files" || true)"
[ -z "$stray" ] || fail "working-folder files in the package: $stray"

if [ "$install" = "--install" ]; then
    root="$(mktemp -d)"
    trap 'rm -rf "$root"' EXIT
    dpkg -x "$deb" "$root"
    desktop-file-validate "$root/usr/share/applications/lethora.desktop" ||
        fail "desktop-file-validate"
    grep -q '^Categories=Office;Finance;$' "$root/usr/share/applications/lethora.desktop" ||
        fail "Categories"
    shown="$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/lethora" --version)" ||
        fail "lethora --version"
    [[ "$shown" == "Quindel Lethora "* ]] || fail "--version printed: $shown"
    "$root/usr/bin/lethora" --help | grep -q -- '--data' || fail "lethora --help"
    echo "$shown"
fi

if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "Το πακέτο $(basename "$deb") είναι σωστό."
