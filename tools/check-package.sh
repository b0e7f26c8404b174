#!/usr/bin/env bash
# Builds Mimora's Debian package and proves it installs and starts on a clean Debian 12.
#
# A minimal Debian 12 is bootstrapped once and kept (MIMORA_PACKAGE_CACHE, by default
# /var/cache/mimora-package-check, together with the downloaded .debs), so reruns are quick.
# Each run copies it afresh, installs the package there with apt and nothing else, checks that
# every library and Qt plugin resolves, then starts the program under Xvfb: a window titled
# "Mimora" with an icon must appear, and Esc must close it with exit code 0.
# Needs root (debootstrap, chroot) and network access to the Debian mirror.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
build=${MIMORA_PACKAGE_BUILD:-$src/build/package}
cache=${MIMORA_PACKAGE_CACHE:-/var/cache/mimora-package-check}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
app_id=io.github.mimora.Mimora

if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=MIMORA_PACKAGE_BUILD,MIMORA_PACKAGE_CACHE,DEBIAN_MIRROR "$0" "$@"
fi

step() { printf '\n== %s\n' "$*"; }
fail() {
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

tools/setup-deps.sh

step "Building the package in $build"
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIMORA_BENCH=OFF >/dev/null
cmake --build "$build" --target mimora mimora_icons
rm -f "$build"/mimora_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(find "$build" -maxdepth 1 -name 'mimora_*.deb' -print -quit)
[ -n "$deb" ] || fail "cpack made no .deb"
echo "$deb"

step "Checking the package's metadata and contents"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for p in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libpng16-16 libjpeg62-turbo \
    fonts-noto-cjk libqt6svg6 qt6-qpa-plugins; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p"
done
[ "$(dpkg-deb --field "$deb" Section)" = graphics ] || fail "Section is not graphics"
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for f in usr/bin/mimora usr/share/applications/$app_id.desktop \
    usr/share/metainfo/$app_id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$app_id.png; do
    grep -qx "\./$f" <<<"$contents" || fail "the package lacks /$f"
done

base=$cache/bookworm
if [ ! -e "$base/.mimora-base-ok" ]; then
    step "Bootstrapping a minimal Debian 12 in $base (once)"
    rm -rf "$base"
    mkdir -p "$cache"
    debootstrap --variant=minbase bookworm "$base" "$mirror"
    touch "$base/.mimora-base-ok"
fi

work=$build/package-check
root=$work/root
mounts=()
cleanup() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" || umount --lazy "${mounts[i]}" || true
    done
    mounts=()
    # Never delete through a mount point that is still attached (the .deb cache is one).
    if [ -d "$root" ] && ! findmnt --list --noheadings --output TARGET | grep -q "^$root"; then
        rm -rf "$root"
    fi
}
trap cleanup EXIT
bind() { # bind SOURCE TARGET-IN-ROOT [mount options...]
    mkdir -p "$root$2"
    mount "${@:3}" "$1" "$root$2"
    mounts+=("$root$2")
}

step "Preparing a fresh copy of the base system"
cleanup
[ ! -e "$root" ] || fail "$root is still in use; unmount what is below it"
mkdir -p "$work" "$cache/archives/partial"
rm -f "$work"/window.png "$work"/mimora.log
cp -a "$base" "$root"
bind proc /proc -t proc
bind devpts /dev/pts -t devpts -o newinstance,ptmxmode=0666
bind tmpfs /dev/shm -t tmpfs
bind "$cache/archives" /var/cache/apt/archives --bind
cp /etc/resolv.conf "$root/etc/resolv.conf"
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d" # start no services
chmod +x "$root/usr/sbin/policy-rc.d"
cp "$deb" "$root/tmp/mimora.deb"

in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}

step "Installing the package with apt (its dependencies only, no recommends)"
in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends /tmp/mimora.deb >/dev/null

step "Checking that the program and its Qt plugins find every library"
plugins=/usr/lib/x86_64-linux-gnu/qt6/plugins
for f in /usr/bin/mimora $plugins/platforms/libqxcb.so $plugins/iconengines/libqsvgicon.so \
    $plugins/imageformats/{libqsvg,libqjpeg,libqgif,libqico}.so; do
    [ -e "$root$f" ] || fail "$f is not installed"
    if in_root ldd "$f" | grep 'not found'; then fail "$f misses libraries"; fi
done

step "Installing the tools for the start-up check"
in_root apt-get install -y -qq --no-install-recommends \
    xvfb xauth xdotool x11-utils x11-apps fontconfig >/dev/null
# Chinese captions fall back to this family by name.
in_root fc-match -f '%{family}\n' 'Noto Sans CJK SC' | grep -q 'Noto Sans CJK SC' ||
    fail "fontconfig finds no Noto Sans CJK SC"

cat >"$root/tmp/start-mimora.sh" <<'EOF'
#!/bin/sh
# Runs inside the test system under xvfb-run.
mimora >/tmp/mimora.log 2>&1 &
pid=$!
win=
for _ in $(seq 150); do
    win=$(xdotool search --onlyvisible --name '^Mimora$' 2>/dev/null | head -n 1)
    [ -n "$win" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$win" ]; then
    echo "no visible window titled Mimora appeared"
    kill "$pid" 2>/dev/null
    exit 1
fi
sleep 0.5 # let the first frame paint
echo "window $win: $(xwininfo -id "$win" | awk '/Width:|Height:/ {printf "%s %s ", $1, $2}')"
xwd -silent -id "$win" >/tmp/window.xwd
status=0
if xprop -id "$win" _NET_WM_ICON | grep -q 'not found'; then
    echo "the window has no icon (are Qt's SVG plugins installed?)"
    status=1
fi
xdotool mousemove --window "$win" 5 5 windowfocus --sync "$win" key Escape
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "Esc did not close the window"
    kill "$pid"
    exit 1
fi
wait "$pid"
rc=$?
echo "mimora exited with $rc"
[ "$rc" -eq 0 ] || status=1
exit $status
EOF
chmod +x "$root/tmp/start-mimora.sh"

step "Starting Mimora under Xvfb in the test system"
set +e
install -d -m 0700 "$root/tmp/runtime"
in_root DBUS_SESSION_BUS_ADDRESS=disabled: XDG_RUNTIME_DIR=/tmp/runtime \
    timeout 60 xvfb-run --auto-servernum --server-args='-screen 0 1280x1024x24 -nolisten tcp' \
    /tmp/start-mimora.sh
status=$?
set -e
cp "$root/tmp/mimora.log" "$work/mimora.log" 2>/dev/null || true
if [ -s "$root/tmp/window.xwd" ]; then
    convert "xwd:$root/tmp/window.xwd" "$work/window.png" && echo "window picture: $work/window.png"
fi
if [ -s "$work/mimora.log" ]; then
    echo "program output ($work/mimora.log):"
    sed 's/^/  /' "$work/mimora.log" | head -n 20
fi
[ "$status" -eq 0 ] || fail "the installed program did not start and close as expected"
step "PASS: the package installs on a clean Debian 12 and Mimora starts"
