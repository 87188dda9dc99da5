#!/bin/sh
# The program waits in place in one way only (the blocking wait of the SNMP layer, which takes no user
# input): no other message loop run inside a handler, and no loop waiting for a binding to go idle.
# Fails, naming the lines, when one comes back.
set -eu
root=${1:?usage: one_way_to_wait.sh SOURCE_DIR}
cd "$root"
found=$(grep -rnE 'processEvents|QEventLoop|while \(.*Busy\)' \
    --include='*.cpp' --include='*.h' \
    app binding catalog configform guibase monitors profile snmp tools values windows |
    grep -v '^snmp/TvBlockingWait\.cpp:' || true)
if [ -n "$found" ]; then
    echo "A message loop or a wait for an idle binding outside the blocking wait:"
    echo "$found"
    exit 1
fi
# The blocking wait itself lets no user input in.
if grep -n 'processEvents' snmp/TvBlockingWait.cpp | grep -v 'ExcludeUserInputEvents'; then
    echo "The blocking wait lets user input in."
    exit 1
fi
echo "one way to wait: ok"
