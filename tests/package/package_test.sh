#!/bin/bash
# Builds the Debian package with CPack from the build folder, checks its control data and file list,
# unpacks it into a temporary root and starts the unpacked program offscreen against the unpacked
# simulated switch until its main window has read the front-panel LEDs.
set -u
BUILD=$1
SIM=$BUILD/bin/qtr5190mx-sim
. "$(dirname "$0")/../tools/simlib.sh"
. "$(dirname "$0")/install_lib.sh"
PROGRAM_PID=
trap '[ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null; cleanup' EXIT

# No compression: the test checks the package, not the archive's size.
cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/pkg" -D CPACK_DEBIAN_COMPRESSION_TYPE=none \
    >"$WORK/cpack.log" 2>&1 || { cat "$WORK/cpack.log"; fail "cpack"; exit 1; }
DEB=$(ls "$WORK"/pkg/*.deb 2>/dev/null | head -1)
[ -n "$DEB" ] || { cat "$WORK/cpack.log"; fail "no package"; exit 1; }

# Control data: the runtime dependencies are those dpkg-shlibdeps found in the programs.
depends=$(dpkg-deb -f "$DEB" Depends)
for lib in libqt6widgets6 libqt6core6 libqt6network6 'libsnmp[0-9]' libc6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
expect_contains "package name" "$(dpkg-deb -f "$DEB" Package)" '^qtr5190mx$'
expect_contains "architecture" "$(dpkg-deb -f "$DEB" Architecture)" "^$(dpkg --print-architecture)$"

# The file list, under /usr; the programs stripped.
ROOT=$WORK/root
dpkg-deb -x "$DEB" "$ROOT" || fail "dpkg-deb -x"
diff -u <(expected_list) <(tree_list "$ROOT/usr") || fail "packaged files differ from the expected list"
[ -z "$(find "$ROOT" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files outside /usr"
readelf -S "$ROOT/usr/lib/tarvo_ems/QTR5190MX/qtr5190mx" | grep -q "\.symtab" && fail "program not stripped"
check_desktop_and_man "$ROOT/usr"

# The unpacked program runs standalone (its folder lies in tarvo_ems): the device profile beside it
# turns a bare "/I" into SNMPv3 as md5user on the simulator's port.
SIM=$ROOT/usr/bin/qtr5190mx-sim
start_sim
printf '[Program Information]\r\nAgentIP=127.0.0.1\r\nAgentPort=%s\r\nVersion=3\r\nSecurityName=md5user\r\nAuthPassword=authpass123\r\nPrivPassword=\r\nAuthProtocol=1\r\nPrivProtocol=0\r\nContextEngineID=\r\nSecurityLevel=1\r\nContextName=\r\nGetCommStr=\r\nSetCommStr=\r\nSecurityModel=3' \
    "$PORT" >"$ROOT/usr/lib/tarvo_ems/QTR5190MX/127.0.0.1.cfg"
mkdir -p "$WORK/run"
(cd "$WORK/run" && QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qtr.frontpanel.info=true" \
    exec "$ROOT/usr/bin/qtr5190mx" /I127.0.0.1 >"$WORK/program.log" 2>&1) &
PROGRAM_PID=$!
read_ok=
for _ in $(seq 300); do
    grep -q "LEDs read from 127.0.0.1:$PORT: 0 " "$WORK/program.log" && { read_ok=1; break; }
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    sleep 0.1
done
[ -n "$read_ok" ] || fail "the unpacked program did not read the LEDs: $(cat "$WORK/program.log")"
kill "$PROGRAM_PID" 2>/dev/null
wait "$PROGRAM_PID" 2>/dev/null
PROGRAM_PID=

# Installed and purged with dpkg in a root of its own: nothing stays but the operator's profile.
DPKG_ROOT=$WORK/dpkg-root
mkdir -p "$DPKG_ROOT/var/lib/dpkg/updates" "$DPKG_ROOT/var/lib/dpkg/info"
touch "$DPKG_ROOT/var/lib/dpkg/status" "$DPKG_ROOT/var/lib/dpkg/available"
dpkg_root() { dpkg --root="$DPKG_ROOT" --log=/dev/null --force-depends --force-not-root --force-script-chrootless "$@"; }
dpkg_root -i "$DEB" >"$WORK/dpkg.log" 2>&1 || fail "dpkg -i: $(cat "$WORK/dpkg.log")"
[ -f "$DPKG_ROOT/usr/share/applications/com.tarvo.qtr5190mx.desktop" ] || fail "no menu entry after dpkg -i"
echo profile >"$DPKG_ROOT/usr/lib/tarvo_ems/QTR5190MX/10.0.0.1.cfg"
dpkg_root --purge qtr5190mx >"$WORK/dpkg.log" 2>&1 || fail "dpkg --purge: $(cat "$WORK/dpkg.log")"
left=$(cd "$DPKG_ROOT" && find . -path ./var -prune -o -type f -print)
[ "$left" = "./usr/lib/tarvo_ems/QTR5190MX/10.0.0.1.cfg" ] || fail "left after purge: $left"

[ "$FAILS" -eq 0 ] && echo "package checks passed: $(basename "$DEB"), $(du -h "$DEB" | cut -f1)"
exit $((FAILS > 0))
