#!/bin/bash
# qtr5190mx-cli get, walk and set against the simulated switch, checked with net-snmp's own tools.
set -u
CLI=$1
SIM=$2
. "$(dirname "$0")/../simlib.sh"
start_sim

V2R=(-v 2c -c rdcomm -t 2 -r 1 "$A")
V2W=(-v 2c -c wrtcomm -t 2 -r 1 "$A")
V3=(-v 3 -u shaaesuser -l authPriv -a SHA -A authpass123 -x AES -X privpass123 "$A")

# get: one line per OID with the value in the program's text forms.
out=$("$CLI" "${V2R[@]}" get 1.3.6.1.2.1.1.5.0:0x4c 1.3.6.1.2.1.2.2.1.6.1:0x49 1.3.6.1.2.1.2.2.1.3.1:0x02)
expect_contains "get name" "$out" $'^1.3.6.1.2.1.1.5.0\tQTR-5190MX$'
expect_contains "get MAC in hex" "$out" $'^1.3.6.1.2.1.2.2.1.6.1\t[0-9A-F]\\{12\\}$'
expect_contains "get integer" "$out" $'^1.3.6.1.2.1.2.2.1.3.1\t6$'

# set under SNMPv3, read back with snmpget.
"$CLI" "${V3[@]}" set 1.3.6.1.2.1.1.6.0:0x4c=Lab-rack-3 || fail "SNMPv3 set failed"
expect_contains "set reached the agent" "$(snmpget -v2c -c rdcomm -Oqv "$A" 1.3.6.1.2.1.1.6.0)" "Lab-rack-3"

# walk: the same rows and values as snmpwalk, synchronous and through the event pump.
IF=1.3.6.1.2.1.2.2.1
ref=$(snmpwalk -v2c -c rdcomm -On -Oqv "$A" $IF.2 | tr -d '"')
for mode in "" --async; do
    out=$("$CLI" "${V2R[@]}" walk $mode --keys 1 $IF.1:0x02 $IF.2:0x4c)
    [ "$(cut -f2 <<<"$out")" = "$ref" ] || fail "walk $mode differs from snmpwalk"
    [ "$(cut -f1 <<<"$out" | head -1)" = 1 ] || fail "walk $mode: first key is not 1"
done
n=$("$CLI" "${V2R[@]}" walk --async --keys 2 ':0x42' 1.3.6.1.2.1.17.7.1.2.2.1.1:0x49 1.3.6.1.2.1.17.7.1.2.2.1.2:0x02 | wc -l)
[ "$n" -ge 4000 ] || fail "forwarding table walk gave $n rows"

# Failures: the catalog message on standard error, exit status 1.
out=$("$CLI" "${V2R[@]}" set 1.3.6.1.2.1.1.5.0:0x4c=x 2>&1); rc=$?
[ $rc -eq 1 ] || fail "set with the read community: exit $rc"
expect_contains "no access" "$out" "(SNMP) Cannot access variable, No Access!"
out=$("$CLI" -v 2c -c rdcomm -t 0.2 -r 0 127.0.0.1:1 get 1.3.6.1.2.1.1.5.0:0x4c 2>&1); rc=$?
[ $rc -eq 1 ] || fail "timeout: exit $rc"
expect_contains "timeout" "$out" "(SNMPClass) SNMP request timed out!"
out=$("$CLI" "${V2R[@]}" get 1.3.6.1.2.1.1.5.0:0x99 2>&1); rc=$?
[ $rc -eq 2 ] || fail "unknown syntax: exit $rc"

[ "$FAILS" -eq 0 ] && echo "all cli checks passed"
exit $((FAILS > 0))
