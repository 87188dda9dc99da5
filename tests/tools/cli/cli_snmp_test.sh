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

# The engine boots counter is kept only by commands that speak SNMPv3: one more a run, none for v2c.
boots() { XDG_DATA_HOME="$WORK/data" "$CLI" "$@" get 1.3.6.1.2.1.1.5.0:0x4c >/dev/null || fail "get $*"
          awk '$1 == "5476534E4D505F50505F4170706C69636174696F6E" {print $2}' \
              "$WORK/data/qtr5190mx-cli/TvSNMP_PP_BootCounter" 2>/dev/null; }
[ -z "$(boots "${V2R[@]}")" ] || fail "an SNMPv2c command wrote the boots counter"
[ "$(boots "${V3[@]}")" = 1 ] && [ "$(boots "${V3[@]}")" = 2 ] || fail "SNMPv3 commands do not count boots"
[ "$(boots "${V2R[@]}")" = 2 ] || fail "an SNMPv2c command raised the boots counter"

# walk: the same rows and values as snmpwalk, synchronous and through the event pump.
IF=1.3.6.1.2.1.2.2.1
ref=$(snmpwalk -v2c -c rdcomm -On -Oqv "$A" $IF.2 | tr -d '"')
for mode in "" --async; do
    out=$("$CLI" "${V2R[@]}" walk $mode --keys 1 $IF.1:0x02 $IF.2:0x4c)
    [ "$(cut -f2 <<<"$out")" = "$ref" ] || fail "walk $mode differs from snmpwalk"
    [ "$(cut -f1 <<<"$out" | head -1)" = 1 ] || fail "walk $mode: first key is not 1"
done
# GETBULK (the default under SNMPv2c and SNMPv3) and --no-bulk give the same rows.
FDB=1.3.6.1.2.1.17.7.1.2.2.1
bulk=$("$CLI" "${V2R[@]}" walk --keys 2 ':0x42' $FDB.1:0x49 $FDB.2:0x02 $FDB.3:0x02)
nobulk=$("$CLI" "${V2R[@]}" walk --no-bulk --keys 2 ':0x42' $FDB.1:0x49 $FDB.2:0x02 $FDB.3:0x02)
[ -n "$bulk" ] && [ "$bulk" = "$nobulk" ] || fail "bulk and GET-NEXT walks differ"
[ "$("$CLI" "${V2R[@]}" show --no-bulk MIB2IFTable)" = "$("$CLI" "${V2R[@]}" show MIB2IFTable)" ] ||
    fail "show with and without --no-bulk differ"
# walk --csv: RFC 4180 with a header of the column OIDs, read back by Python's csv module.
"$CLI" "${V2R[@]}" walk --csv --keys 1 $IF.1:0x02 $IF.2:0x4c >"$WORK/walk.csv" || fail "walk --csv failed"
out=$(python3 -c 'import csv, sys
rows = list(csv.reader(open(sys.argv[1], newline="", encoding="utf-8"), strict=True))
print("\t".join(rows[0])); print("\n".join(r[1] for r in rows[1:]))' "$WORK/walk.csv") || fail "walk --csv is not CSV"
[ "$(head -1 <<<"$out")" = "$IF.1"$'\t'"$IF.2" ] || fail "walk --csv header: $(head -1 <<<"$out")"
[ "$(tail -n +2 <<<"$out")" = "$ref" ] || fail "walk --csv values differ from snmpwalk"
grep -q $'\r$' "$WORK/walk.csv" || fail "walk --csv records do not end in CR LF"

# --help and --version answer without an agent.
"$CLI" --help | grep -q "walk \[--keys N\].*\[--csv\]" || fail "--help does not show walk --csv"
expect_contains "--version" "$("$CLI" --version)" '^qtr5190mx-cli [0-9][0-9.]*$'
expect_contains "sim --version" "$("$SIM" --version)" '^qtr5190mx-sim [0-9][0-9.]*$'

n=$("$CLI" "${V2R[@]}" walk --async --keys 2 ':0x42' 1.3.6.1.2.1.17.7.1.2.2.1.1:0x49 1.3.6.1.2.1.17.7.1.2.2.1.2:0x02 | wc -l)
[ "$n" -ge 4000 ] || fail "forwarding table walk gave $n rows"

# show: panels of generic menu entries read as their windows read them.
out=$("$CLI" "${V2R[@]}" show MIB2Information)
expect_contains "show scalar name" "$out" $'^Name\tQTR-5190MX$'
expect_contains "show scalar uptime as time text" "$out" $'^Up Time\t[0-9]*:[0-9][0-9]:[0-9][0-9]\.[0-9][0-9]$'
[ "$(wc -l <<<"$out")" -eq 7 ] || fail "show MIB2Information: $(wc -l <<<"$out") rows"
out=$("$CLI" "${V2R[@]}" show MIB2IFTable)
expect_contains "show table header" "$(head -1 <<<"$out")" $'^Index\tDescr'
expect_contains "show table options" "$out" $'^1\tQTR-5190MX Port 1 on Unit 1[ ]*\tethernet-csmacd\t'
[ "$(tail -n +2 <<<"$out" | wc -l)" -eq "$(snmpwalk -v2c -c rdcomm -On "$A" 1.3.6.1.2.1.2.2.1.2 | wc -l)" ] ||
    fail "show MIB2IFTable row count differs from snmpwalk"
# Two keys, the first an index-only column: VLAN and MAC address decoded from the row instance.
out=$("$CLI" "${V2R[@]}" show ForwardingFiltering1)
expect_contains "show two-key header" "$(head -1 <<<"$out")" $'^ID\tAddress\tPort\tStatus$'
expect_contains "show two-key row" "$out" $'^1\t001A2B000000\t[0-9]*\tlearned$'
out=$("$CLI" "${V2R[@]}" show USMUserTable 1)
expect_contains "show page 1" "$out" $'^User Spin Lock\t[0-9]*$'
"$CLI" "${V2R[@]}" show USMUserTable 3 >/dev/null 2>&1 && fail "show of a page that does not exist"
"$CLI" "${V2R[@]}" show NoSuchEntry >/dev/null 2>&1 && fail "show of an unknown entry"

# Failures: the catalog message on standard error, exit status 1.
out=$("$CLI" "${V2R[@]}" set 1.3.6.1.2.1.1.5.0:0x4c=x 2>&1); rc=$?
[ $rc -eq 1 ] || fail "set with the read community: exit $rc"
expect_contains "no access" "$out" "(SNMP) Cannot access variable, No Access!"
out=$("$CLI" -v 2c -c rdcomm -t 0.2 -r 0 127.0.0.1:1 get 1.3.6.1.2.1.1.5.0:0x4c 2>&1); rc=$?
[ $rc -eq 1 ] || fail "timeout: exit $rc"
expect_contains "timeout" "$out" "(SNMPClass) SNMP request timed out!"
out=$("$CLI" "${V2R[@]}" get 1.3.6.1.2.1.1.5.0:0x99 2>&1); rc=$?
[ $rc -eq 2 ] || fail "unknown syntax: exit $rc"
# An OID that names no object is a usage error, before anything is sent.
for oid in . 1..3 1.3. ..1 1.x; do
    out=$("$CLI" "${V2R[@]}" get "$oid:0x02" 2>&1); rc=$?
    [ $rc -eq 2 ] || fail "OID $oid: exit $rc"
    expect_contains "OID $oid" "$out" "bad OID $oid"
done

[ "$FAILS" -eq 0 ] && echo "all cli checks passed"
exit $((FAILS > 0))
