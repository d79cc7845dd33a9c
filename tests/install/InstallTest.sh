#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a desktop would:
# the tree, the desktop entry and metadata validators, the manual pages, the
# installed programs (the window started on a virtual display with a fresh
# HOME, closed through the window manager), and the Debian package.
# Usage: InstallTest.sh BUILD_DIR APP_ID VERSION
set -uo pipefail
build=$1 app_id=$2 version=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" > "$work/out.txt" 2>&1 || { fail "$what"; cat "$work/out.txt"; }; }

work=$(mktemp -d /tmp/korvalen-install-XXXXXX)
chmod 755 "$work"
display_pid=""
cleanup() {
    [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
chmod -R a+rX "$prefix"

expected=(
    bin/korvalen bin/korvalen-cli
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"
    "share/mime/packages/$app_id.xml" "share/icons/hicolor/scalable/apps/$app_id.svg"
    share/man/man1/korvalen.1.gz share/man/man1/korvalen-cli.1.gz
)
for size in 16 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x$size/apps/$app_id.png"); done
samples=("Tours/Ironwood.txt" "Tours/Marigold Express.txt" "Tours/Static Harbour.txt" "Tours/The Velvet Orchard.txt"
    "Tours/northbound.txt" "Lists/Sample list.kvu")
for sample in "${samples[@]}"; do expected+=("share/korvalen/sample/$sample"); done
for file in "${expected[@]}"; do [ -s "$prefix/$file" ] || fail "not installed: $file"; done
[ "$(find "$prefix" -type f | wc -l)" -eq "${#expected[@]}" ] || fail "unexpected files: $(cd "$prefix" && find . -type f)"

check "desktop-file-validate" desktop-file-validate "$prefix/share/applications/$app_id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "metainfo release is not $version"
check "shared-mime-info" xmllint --noout "$prefix/share/mime/packages/$app_id.xml"

for page in korvalen korvalen-cli; do
    gzip -t "$prefix/share/man/man1/$page.1.gz" 2>/dev/null || fail "man $page is not gzip-compressed"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >"$work/$page.txt")
    [ -z "$warnings" ] || fail "man $page: $warnings"
    grep -q "Korvalen $version" "$work/$page.txt" || fail "man $page does not name version $version"
done
for command in info dump import sort tours concerts find-concert compare join export; do
    grep -q "^       $command" "$work/korvalen-cli.txt" || fail "korvalen-cli.1 does not describe $command"
done

[ "$("$prefix/bin/korvalen-cli" --version)" = "korvalen-cli $version" ] || fail "korvalen-cli --version"
said=$(QT_QPA_PLATFORM=offscreen timeout 20 "$prefix/bin/korvalen" --version 2>&1)
[ "$said" = "Korvalen $version" ] || fail "korvalen --version says: $said"

# The installed window, run by a user who may not write beside the executable,
# keeps its folders in the user's data folder and exits cleanly on a close request.
home=$work/home
mkdir -p "$home"
chmod a-w "$prefix/bin"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$home"
    as_user=(runuser -u nobody --)
fi
# A display is used only once the program's own user reaches it: a low number
# may answer for an X server outside this machine's view (a shared network
# namespace). Without -noreset the server resets whenever its last client
# leaves, and a program connecting just then is refused.
reaches() { "${as_user[@]}" env -i DISPLAY="$1" PATH=/usr/bin:/bin xdotool getdisplaygeometry > /dev/null 2>&1; }
export DISPLAY=""
for number in $(seq 140 160); do
    [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -ac -noreset > "$work/xvfb.log" 2>&1 &
    display_pid=$!
    for _ in $(seq 100); do
        reaches ":$number" && { DISPLAY=":$number"; break; }
        kill -0 "$display_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$DISPLAY" ] && break
    kill "$display_pid" 2>/dev/null
    wait "$display_pid" 2>/dev/null
    display_pid=""
done
[ -n "$DISPLAY" ] || { fail "no virtual display could be reached"; cat "$work/xvfb.log"; }
openbox > "$work/openbox.log" 2>&1 &
# The question is answered through the window manager, so it must run first.
for _ in $(seq 100); do wmctrl -m > /dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m > /dev/null 2>&1 || { fail "the window manager did not start"; cat "$work/openbox.log"; }
"${as_user[@]}" env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/bin:/bin "$prefix/bin/korvalen" > "$work/korvalen.log" 2>&1 &
program=$!
# A first start offers the samples before the window opens; Enter answers
# Yes, pressed again until the window opens (the question may not have the
# focus yet when it is first found).
offered=""
for _ in $(seq 100); do
    wmctrl -l 2>/dev/null | grep -q "Korvalen v" && break
    offer=$(xdotool search --name '^Confirmation$' 2>/dev/null | head -1)
    if [ -n "$offer" ]; then
        offered=yes
        xdotool windowactivate --sync "$offer" > /dev/null 2>&1
        xdotool key --clearmodifiers Return > /dev/null 2>&1
    fi
    sleep 0.3
done
[ -n "$offered" ] || fail "the samples were not offered at the first start"
shown=""
for _ in $(seq 300); do
    # The about box closes itself after a second; the main window remains.
    if wmctrl -l 2>/dev/null | grep -q "Korvalen v"; then shown=yes; sleep 2; break; fi
    sleep 0.1
done
[ -n "$shown" ] || fail "the main window did not appear"
wmctrl -F -c "Korvalen v${version%.*}" 2>/dev/null
status=timeout
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || { wait "$program"; status=$?; break; }; sleep 0.1; done
if [ "$status" != 0 ]; then
    fail "korvalen did not exit cleanly on a close request ($status)"
    kill "$program" 2>/dev/null
    cat "$work/korvalen.log"
fi
for folder in Lists Tours Covers; do
    [ -d "$home/.local/share/Korvalen/$folder" ] || fail "no ~/.local/share/Korvalen/$folder"
done
for sample in "${samples[@]}"; do
    cmp -s "$prefix/share/korvalen/sample/$sample" "$home/.local/share/Korvalen/$sample" || fail "sample not copied: $sample"
done
[ -f "$home/.config/Korvalen/Korvalen.conf" ] || fail "the settings were not written at exit"
kill "$display_pid" 2>/dev/null
display_pid=""

# The Debian package.
if cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" > "$work/cpack.log" 2>&1; then
    deb="$work/package/korvalen_${version}_amd64.deb"
    if [ -f "$deb" ]; then
        contents=$(dpkg-deb -c "$deb")
        for file in "${expected[@]}"; do
            grep -q " ./usr/$file\$" <<< "$contents" || fail "package lacks /usr/$file"
        done
        depends=$(dpkg-deb -f "$deb" Depends)
        grep -q "libqt6widgets6" <<< "$depends" || fail "package dependencies lack Qt: $depends"
        grep -q "zlib1g" <<< "$depends" || fail "package dependencies lack zlib: $depends"
        if readelf -d "$build/bin/korvalen" | grep -q "libtcmalloc_minimal"; then
            grep -q "libtcmalloc-minimal4" <<< "$depends" || fail "package dependencies lack tcmalloc: $depends"
        fi
    else
        fail "no $deb: $(ls "$work/package")"
    fi
else
    fail "cpack"
    cat "$work/cpack.log"
fi

[ "$failures" -eq 0 ] && echo "install test passed"
exit "$((failures > 0))"
