#!/bin/bash
# cmake --install into a fresh prefix: the layout, the launchers, the desktop files, the manual pages,
# and the installed tools running through their launchers.
set -u
BUILD=$1
SIM=$BUILD/bin/qtr5190mx-sim
. "$(dirname "$0")/../tools/simlib.sh"
. "$(dirname "$0")/install_lib.sh"

P="$WORK/prefix with space"
cmake --install "$BUILD" --prefix "$P" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; fail "cmake --install"; exit 1; }
diff -u <(expected_list) <(tree_list "$P") || fail "installed files differ from the expected list"
check_desktop_and_man "$P"

# The launchers reach the programs, and the simulator finds its data file in the program folder.
expect_contains "cli --version" "$("$P/bin/qtr5190mx-cli" --version)" '^qtr5190mx-cli '
expect_contains "sim --help" "$("$P/bin/qtr5190mx-sim" --help)" '^Usage: qtr5190mx-sim'
# Started from a terminal without any display and without parameters: the old message, exit status 1.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$P/bin/qtr5190mx" 2>&1); rc=$?
[ $rc -eq 1 ] || fail "no display, no parameters: exit $rc"
expect_contains "no display, no parameters" "$out" "^No parameter input$"

SIM=$P/bin/qtr5190mx-sim
start_sim
expect_contains "sim data file" "$(cat "$WORK/sim.log")" "from $P/lib/tarvo_ems/QTR5190MX/qtr5190mx-sim.data"
expect_contains "installed cli reads the switch" \
    "$("$P/bin/qtr5190mx-cli" -v 2c -c rdcomm "$A" get 1.3.6.1.2.1.1.5.0:0x4c)" $'\tQTR-5190MX$' 

[ "$FAILS" -eq 0 ] && echo "installation checks passed"
exit $((FAILS > 0))
