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

# Passwords off the command line: from the environment or from the configuration file, with net-snmp's
# tokens; the command line still wins over both.
V3USER=(-v 3 -u shaaesuser -l authPriv -a SHA -x AES "$A")
out=$(QTR_CLI_AUTH_PASSWORD=authpass123 QTR_CLI_PRIV_PASSWORD=privpass123 "$CLI" "${V3USER[@]}" \
      get 1.3.6.1.2.1.1.5.0:0x4c 2>&1) || fail "passwords from the environment: $out"
mkdir -p "$WORK/config/qtr5190mx-cli"
printf '# the lab switch\ndefAuthPassphrase authpass123\n  defPrivPassphrase\tprivpass123\n' \
    >"$WORK/config/qtr5190mx-cli/snmp.conf"
chmod 600 "$WORK/config/qtr5190mx-cli/snmp.conf"
out=$(XDG_CONFIG_HOME="$WORK/config" "$CLI" "${V3USER[@]}" get 1.3.6.1.2.1.1.5.0:0x4c 2>&1) ||
    fail "passwords from the configuration file: $out"
expect_missing "private configuration file" "$out" "warning"
out=$(XDG_CONFIG_HOME="$WORK/config" "$CLI" -A wrongpass123 "${V3USER[@]}" get 1.3.6.1.2.1.1.5.0:0x4c 2>&1) &&
    fail "the file's password won over the command line's"
printf 'defPassphrase authpass123\n' >"$WORK/both.conf"
chmod 644 "$WORK/both.conf"
out=$(QTR_CLI_CONF="$WORK/both.conf" QTR_CLI_PRIV_PASSWORD=privpass123 "$CLI" "${V3USER[@]}" \
      get 1.3.6.1.2.1.1.5.0:0x4c 2>&1) || fail "defPassphrase with the environment's privacy password: $out"
expect_contains "configuration file others can read" "$out" "warning: other users can read $WORK/both.conf"
printf 'defAuthPassphrase authpass123\nnoSuchToken x\n' >"$WORK/bad.conf"
out=$(QTR_CLI_CONF="$WORK/bad.conf" "$CLI" "${V3USER[@]}" get 1.3.6.1.2.1.1.5.0:0x4c 2>&1); rc=$?
[ $rc -eq 2 ] || fail "unknown token: exit $rc"
expect_contains "unknown token" "$out" "bad.conf:2: unknown token noSuchToken"
expect_missing "unknown token" "$out" "authpass123"
mkfifo "$WORK/fifo.conf"
out=$(QTR_CLI_CONF="$WORK/fifo.conf" timeout 20 "$CLI" "${V3USER[@]}" get 1.3.6.1.2.1.1.5.0:0x4c 2>&1); rc=$?
[ $rc -eq 2 ] || fail "FIFO as the configuration file: exit $rc"
expect_contains "FIFO as the configuration file" "$out" "a regular file is needed"

# Passwords given on the command line leave /proc/<pid>/cmdline, and core dumps are off: read from a
# companion waiting for a silent agent. Its core limit is set right after the arguments are hidden.
"$CLI" -v 3 -u md5user -l authNoPriv -a MD5 -A cmdsecret123 -Xcmdsecret456 -c cmdsecret789 -t 5 -r 0 \
    127.0.0.1:1 get 1.3.6.1.2.1.1.5.0:0x4c >/dev/null 2>&1 &
cpid=$!
for _ in $(seq 200); do
    grep -q '^Max core file size *0 *0 ' "/proc/$cpid/limits" 2>/dev/null && break
    sleep 0.05
done
grep -q '^Max core file size *0 *0 ' "/proc/$cpid/limits" || fail "core dumps are on: $(grep core "/proc/$cpid/limits")"
cmdline=$(tr '\0' ' ' <"/proc/$cpid/cmdline")
expect_contains "command line" "$cmdline" "-u md5user"
expect_missing "command line" "$cmdline" "cmdsecret"
kill "$cpid" 2>/dev/null; wait "$cpid" 2>/dev/null

# A boots counter that cannot be written is a failure (exit 1), not a usage error.
out=$(XDG_DATA_HOME=/dev/null/data "$CLI" "${V3[@]}" get 1.3.6.1.2.1.1.5.0:0x4c 2>&1); rc=$?
[ $rc -eq 1 ] || fail "unwritable boots counter: exit $rc"
expect_contains "unwritable boots counter" "$out" "boots counter"

[ "$FAILS" -eq 0 ] && echo "all cli checks passed"
exit $((FAILS > 0))
