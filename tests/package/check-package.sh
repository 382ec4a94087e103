#!/usr/bin/env bash
# check-package.sh BUILD_DIR VERSION APP_ID
# Makes the .deb from BUILD_DIR with cpack, unpacks it into a scratch root and checks it. Every
# failed check is reported, not just the first.
set -uo pipefail

build="$1" version="$2" id="$3"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/kr-t27-package.XXXXXX")"
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Runs a command; on failure reports it with its output.
check() {
    local what="$1" output
    shift
    output="$("$@" 2>&1)" || fail "$what: $output"
}

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb="$scratch/out/kr-t27_${version}_amd64.deb"
[ -f "$deb" ] || { ls "$scratch/out"; echo "FAIL: no $deb"; exit 1; }
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
# dpkg-shlibdeps names the libraries' packages; a hand-written list would miss or pin them.
for needed in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6serialport6; do
    field Depends | grep -q "\b$needed\b" || fail "Depends lacks $needed: $(field Depends)"
done
for recommended in udev fonts-wqy-microhei; do
    field Recommends | grep -q "\b$recommended\b" || fail "Recommends lacks $recommended"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
usr="$root/usr"
share="$usr/share"
expected=(
    bin/kr-t27 bin/kr-t27-cli bin/kr-t27-radio
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/mime/packages/$id.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man1/kr-t27.1.gz share/man/man1/kr-t27-cli.1.gz share/man/man1/kr-t27-radio.1.gz
    "lib/udev/rules.d/60-$id.rules"
)
icon_sizes=(16 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [ -f "$usr/$file" ] || fail "missing /usr/$file"
done
for program in kr-t27 kr-t27-cli kr-t27-radio; do
    [ -x "$usr/bin/$program" ] || fail "/usr/bin/$program is not executable"
done

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
    local b
    read -ra b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((b[0] << 24) + (b[1] << 16) + (b[2] << 8) + b[3]))x$(((b[4] << 24) + (b[5] << 16) + (b[6] << 8) + b[7]))"
}
for size in "${icon_sizes[@]}"; do
    png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] && [ "$(png_size "$png")" != "${size}x${size}" ] && fail "$png is $(png_size "$png")"
done

check "desktop-file-validate" desktop-file-validate "$share/applications/$id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" ||
    fail "metainfo has no release $version"
grep -qx "Exec=kr-t27 %f" "$share/applications/$id.desktop" || fail "desktop entry does not pass the file"

# The file types as a desktop sees them: the compiled database maps both extensions (it keeps
# them in lower case and matches without regard to case), and the
# desktop entry offers itself for the type the channel files get.
check "update-mime-database" update-mime-database "$share/mime"
for glob in "application/x-kr-t27-channels:\*.Kqd" "application/x-kr-t27-calibration:\*.Kqda"; do
    grep -qi ":$glob$" "$share/mime/globs2" 2>/dev/null || fail "mime database lacks $glob"
done
grep -qx "MimeType=application/x-kr-t27-channels;" "$share/applications/$id.desktop" ||
    fail "desktop entry does not open channel files"

if command -v man >/dev/null; then
    for page in "$share"/man/man1/*.1.gz; do
        warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
        [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
        zcat "$page" | grep -q "^\.TH .* \"kr-t27 $version\"" || fail "$(basename "$page") is not for $version"
    done
else
    echo "man not installed: man page formatting not checked"
fi

# The installed programs answer; the desktop program needs no display for it.
no_display=(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY)
for program in kr-t27 kr-t27-radio kr-t27-cli; do
    answer="$("${no_display[@]}" "$usr/bin/$program" --version 2>"$scratch/stderr")" ||
        fail "$program --version failed: $(cat "$scratch/stderr")"
    [ "$answer" = "$program $version" ] || fail "$program --version printed '$answer'"
done
answer="$("${no_display[@]}" "$usr/bin/kr-t27" --help 2>&1)" || fail "kr-t27 --help failed"
grep -q "^Usage: " <<<"$answer" || fail "kr-t27 --help printed no usage: $answer"

# Installed under a folder the user cannot write to, the program keeps its settings in the
# user's configuration folder. The administrator writes anywhere, so root runs it as nobody.
chmod 755 "$scratch"
mkdir -p "$scratch/home" "$scratch/config"
chmod 777 "$scratch/home" "$scratch/config"
chmod -R a-w "$usr/bin"
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
check "kr-t27 --startup-timing" env HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" \
    "${as_user[@]}" "$usr/bin/kr-t27" --startup-timing
[ -f "$scratch/config/kr-t27/KR-T27_config.ini" ] || fail "no settings file in \$XDG_CONFIG_HOME/kr-t27/"
[ -e "$usr/bin/KR-T27_config.ini" ] && fail "settings file written beside the installed program"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "package checks passed"
