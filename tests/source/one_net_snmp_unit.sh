#!/bin/sh
# The SNMP library is reached through one unit of the program, snmp/TvSNMPEngine.cpp (the simulated switch
# is an agent of its own, and tests may read net-snmp as a reference). Fails, naming the lines, when
# another unit of the program or the companion includes it.
set -eu
root=${1:?usage: one_net_snmp_unit.sh SOURCE_DIR}
cd "$root"
found=$(grep -rnE '#include *[<"]net-snmp/' --include='*.cpp' --include='*.h' \
    app binding catalog configform guibase journal monitors profile snmp tools/cli values windows |
    grep -v '^snmp/TvSNMPEngine\.cpp:' || true)
if [ -n "$found" ]; then
    echo "net-snmp included outside snmp/TvSNMPEngine.cpp:"
    echo "$found"
    exit 1
fi
echo "one net-snmp unit: ok"
