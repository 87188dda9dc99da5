#!/bin/bash
# Drives qtr5190mx-sim over UDP on 127.0.0.1 with snmpget/snmpset/snmpwalk/snmpbulkwalk.
set -u
SIM=$1
. "$(dirname "$0")/../simlib.sh"

V2R="-v2c -c rdcomm -t 2 -r 1 -On"
V2W="-v2c -c wrtcomm -t 2 -r 1 -On"
start_sim --led-period 0.5

# --- no SMUX: nothing on TCP (port 199 when run as root), no complaint about it ---
expect_missing "SMUX" "$(cat "$WORK/sim.log")" "smux"
tcp=$(ss -ltnpH 2>/dev/null | grep "pid=$PID,") && fail "the simulator listens on TCP: $tcp"

# --- walks of the maker's subtree under v2c and under each SNMPv3 user ---
v2=$(snmpwalk $V2R $A 1.3.6.1.4.1.59371)
n2=$(wc -l <<<"$v2")
[ "$n2" -gt 1000 ] || fail "v2c walk of 1.3.6.1.4.1.59371 gave only $n2 lines"
expect_contains "v2c walk" "$v2" "^.1.3.6.1.4.1.59371.12.11.1.9.4.1.5.1 = Hex-STRING"
expect_missing "v2c walk" "$v2" "No more variables"
while read -r name args; do
    v3=$(snmpwalk -v3 -u $name $args -t 2 -r 1 -On $A 1.3.6.1.4.1.59371 2>&1)
    n3=$(wc -l <<<"$v3")
    [ "$n3" -eq "$n2" ] || fail "SNMPv3 $name walk gave $n3 lines, v2c $n2: $(head -2 <<<"$v3")"
done <<'USERS'
noauthuser -l noAuthNoPriv
md5user -l authNoPriv -a MD5 -A authpass123
shadesuser -l authPriv -a SHA -A authpass123 -x DES -X privpass123
shaaesuser -l authPriv -a SHA -A authpass123 -x AES -X privpass123
sha256user -l authPriv -a SHA-256 -A authpass123 -x AES-256 -X privpass123
USERS
out=$(snmpget -v3 -u shaaesuser -l authPriv -a SHA -A wrongpass123 -x AES -X privpass123 -t 1 -r 0 $A 1.3.6.1.2.1.1.5.0 2>&1)
expect_contains "wrong SNMPv3 password" "$out" "Authentication failure"
out=$(snmpget -v2c -c nosuchcommunity -t 1 -r 0 $A 1.3.6.1.2.1.1.5.0 2>&1)
expect_contains "unknown community" "$out" "Timeout"

# --- rows: createAndGo, duplicate creation, destroy; older entry status valid/invalid; createAndWait ---
TH=1.3.6.1.4.1.59371.12.1.2.13.1.1       # trust host table, row status column 3
snmpset $V2W $A $TH.3.9 i 4 $TH.2.9 a 10.1.2.3 >/dev/null || fail "createAndGo refused"
out=$(snmpwalk $V2R $A $TH)
expect_contains "created row" "$out" "$TH.2.9 = IpAddress: 10.1.2.3"
expect_contains "created row" "$out" "$TH.3.9 = INTEGER: 1"
expect_contains "created row default" "$out" "$TH.4.9 = IpAddress"
out=$(snmpset $V2W $A $TH.3.9 i 4 2>&1)
expect_contains "createAndGo on existing row" "$out" "inconsistentValue"
snmpset $V2W $A $TH.3.9 i 6 >/dev/null || fail "destroy refused"
out=$(snmpwalk $V2R $A $TH)
expect_missing "destroyed row" "$out" "$TH.[0-9]*.9 ="
out=$(snmpset $V2W $A $TH.2.8 a 10.1.2.4 2>&1)
expect_contains "column of a missing row" "$out" "noCreation"

SR=1.3.6.1.4.1.59371.11.69.2.3.2.5.1     # static routes, entry status column 6, three keys
R=192.168.50.0.255.255.255.0.1
snmpset $V2W $A $SR.6.$R i 3 $SR.4.$R a 10.90.90.254 >/dev/null || fail "valid refused"
out=$(snmpwalk $V2R $A $SR)
expect_contains "valid creates" "$out" "$SR.1.$R = IpAddress: 192.168.50.0"
expect_contains "valid creates" "$out" "$SR.4.$R = IpAddress: 10.90.90.254"
snmpset $V2W $A $SR.6.$R i 2 >/dev/null || fail "invalid refused"
expect_missing "invalid removes" "$(snmpwalk $V2R $A $SR)" "$SR.6.$R ="

PL=1.3.6.1.4.1.59371.12.38.3.2.1.1       # DHCP pools, string index, full row status column 12
P=5.116.101.115.116.49                    # "test1"
snmpset $V2W $A $PL.12.$P i 5 >/dev/null || fail "createAndWait refused"
out=$(snmpget $V2R $A $PL.12.$P $PL.1.$P)
expect_contains "createAndWait" "$out" "$PL.12.$P = INTEGER: 2"
snmpset $V2W $A $PL.12.$P i 1 >/dev/null || fail "active refused"
expect_contains "activated" "$(snmpget $V2R $A $PL.12.$P)" "INTEGER: 1"
out=$(snmpset $V2W $A $PL.12.6.110.111.114.111.119.49 i 1 2>&1)
expect_contains "active on a missing row" "$out" "inconsistentValue"

AG=1.3.6.1.4.1.59371.12.5.12.1          # server group membership: row state 1 add, 2 delete
M=5.103.114.111.117.112.10.1.2.3.4        # "group", 10.1.2.3, radius
snmpset $V2W $A $AG.4.$M i 1 >/dev/null || fail "add refused"
expect_contains "add creates" "$(snmpwalk $V2R $A $AG)" "$AG.4.$M = INTEGER: 1"
snmpset $V2W $A $AG.4.$M i 1 >/dev/null || fail "adding again refused"
snmpset $V2W $A $AG.4.$M i 2 >/dev/null || fail "delete refused"
expect_missing "delete removes" "$(snmpwalk $V2R $A $AG)" "$AG.4.$M ="
out=$(snmpset $V2W $A $AG.4.$M i 2 2>&1)
expect_contains "delete of a missing member" "$out" "inconsistentValue"
out=$(snmpset $V2W $A $AG.4.$M i 3 2>&1)
expect_contains "not a row state" "$out" "wrongValue"

# --- refused writes, and nothing of a refused PDU is applied ---
while IFS='|' read -r what oid type value error; do
    out=$(snmpset $V2W $A $oid $type "$value" 2>&1)
    expect_contains "$what" "$out" "$error"
done <<'CASES'
wrong type|1.3.6.1.2.1.1.5.0|i|5|wrongType
read-only object|1.3.6.1.2.1.1.1.0|s|x|notWritable
value outside the enumeration|1.3.6.1.4.1.59371.11.69.2.2.1.2.3.0|i|7|wrongValue
value outside the range|1.3.6.1.4.1.59371.12.10.11.5.0|i|5|wrongValue
string too long|1.3.6.1.4.1.59371.11.69.2.3.4.1.2.1|s|0123456789abcdefXYZ|wrongLength
unknown object|1.3.6.1.4.1.59371.99.1.0|i|1|noCreation
not a row status value|1.3.6.1.4.1.59371.12.1.2.13.1.1.3.1|i|3|wrongValue
CASES
out=$(snmpset -v2c -c rdcomm -t 2 -r 1 $A 1.3.6.1.2.1.1.5.0 s x 2>&1)
expect_contains "write with the read community" "$out" "noAccess"
out=$(snmpset -v1 -c wrtcomm -t 2 -r 1 $A 1.3.6.1.2.1.1.1.0 s x 2>&1)
expect_contains "SNMPv1 read-only object" "$out" "noSuchName"
snmpset $V2W $A 1.3.6.1.2.1.1.5.0 s before >/dev/null
snmpset $V2W $A 1.3.6.1.2.1.1.5.0 s after 1.3.6.1.2.1.1.1.0 s x >/dev/null 2>&1
expect_contains "refused PDU leaves no change" "$(snmpget $V2R $A 1.3.6.1.2.1.1.5.0)" '"before"'

# --- LED status changes, counters grow, the forwarding table is large ---
led1=$(snmpget $V2R $A 1.3.6.1.4.1.59371.12.11.1.9.4.1.5.1)
c1=$(snmpget -Oqv $V2R $A 1.3.6.1.2.1.2.2.1.10.2)
changed=
for _ in $(seq 20); do
    sleep 0.25
    [ "$(snmpget $V2R $A 1.3.6.1.4.1.59371.12.11.1.9.4.1.5.1)" != "$led1" ] && changed=1 && break
done
[ -n "$changed" ] || fail "LED status did not change"
octets=$(snmpget -Oqv -Ox $V2R $A 1.3.6.1.4.1.59371.12.11.1.9.4.1.5.1 | grep -o '[0-9A-Fa-f][0-9A-Fa-f]' | wc -l)
[ "$octets" -eq 59 ] || fail "LED status has $octets octets, not 59"
c2=$(snmpget -Oqv $V2R $A 1.3.6.1.2.1.2.2.1.10.2)
[ "$c2" -gt "$c1" ] || fail "ifInOctets.2 did not grow ($c1 -> $c2)"
# Port 1's octets start close to 2^32: the 32-bit counter wraps within a minute, its 64-bit sibling
# goes on past 2^32, and the two agree modulo 2^32.
read -r o32 o64 < <(snmpget -Oqv $V2R $A 1.3.6.1.2.1.2.2.1.10.1 1.3.6.1.2.1.31.1.1.1.6.1 | tr '\n' ' ')
[ "$o64" -ge 4293000000 ] || fail "ifHCInOctets.1 starts at $o64"
[ $(( (o64 - o32) % 4294967296 )) -lt 1000000 ] || fail "ifInOctets.1 $o32 is not ifHCInOctets.1 $o64 modulo 2^32"
rows=$(snmpbulkwalk $V2R $A 1.3.6.1.2.1.17.4.3.1.2 | wc -l)
[ "$rows" -ge 4000 ] || fail "forwarding table bulk walk gave $rows rows"
rows=$(snmpbulkwalk -Cr50 $V2R $A 1.3.6.1.2.1.17.7.1.2.2.1.2 | wc -l)
[ "$rows" -ge 4000 ] || fail "Q-bridge forwarding table bulk walk gave $rows rows"

# --- save and reboot: saved changes survive, unsaved ones and the uptime do not ---
snmpset $V2W $A 1.3.6.1.2.1.1.6.0 s saved-location 1.3.6.1.4.1.59371.12.1.2.6.0 i 3 >/dev/null || fail "save refused"
expect_contains "save state" "$(snmpget $V2R $A 1.3.6.1.4.1.59371.12.1.1.4.0)" "INTEGER: 3"
snmpset $V2W $A 1.3.6.1.2.1.1.5.0 s unsaved-name >/dev/null
sleep 1.2
snmpset $V2W $A 1.3.6.1.4.1.59371.12.1.2.19.0 i 1 >/dev/null || fail "reboot refused"
up=$(snmpget -Oqvt $V2R $A 1.3.6.1.2.1.1.3.0)
[ "$up" -lt 100 ] || fail "uptime after reboot is $up"
c3=$(snmpget -Oqv $V2R $A 1.3.6.1.2.1.2.2.1.10.2)
[ "$c3" -lt "$c1" ] || fail "ifInOctets.2 not reset by the reboot ($c3)"
out=$(snmpget $V2R $A 1.3.6.1.2.1.1.5.0 1.3.6.1.2.1.1.6.0)
expect_contains "reboot keeps saved" "$out" "saved-location"
expect_contains "reboot drops unsaved" "$out" '"before"'

# --- engine ID is stable across restarts: the same SNMPv3 session keeps working ---
eid1=$(snmpget $V2R $A 1.3.6.1.6.3.10.2.1.1.0 2>&1; snmpget -v3 -u md5user -l authNoPriv -a MD5 -A authpass123 -t 2 -r 1 -Oqv $A 1.3.6.1.2.1.1.5.0 2>&1)
expect_missing "SNMPv3 before restart" "$eid1" "Timeout"
kill -TERM "$PID"
wait "$PID"
rc=$?
[ "$rc" -eq 0 ] || fail "SIGTERM exit status $rc"
expect_contains "clean stop" "$(cat "$WORK/sim.log")" "stopped"
state=$(grep -o '/tmp/qtr5190mx-sim\.[A-Za-z0-9]*' "$WORK/sim.log" | head -1)
[ -z "$state" ] || [ ! -e "$state" ] || fail "state folder $state left behind"
"$SIM" --led-period 0.5 "$A" >"$WORK/sim.log" 2>&1 &
PID=$!
for _ in $(seq 50); do grep -q listening "$WORK/sim.log" && break; sleep 0.1; done
out=$(snmpget -v3 -u md5user -l authNoPriv -a MD5 -A authpass123 -t 2 -r 1 -Oqv $A 1.3.6.1.2.1.1.5.0 2>&1)
expect_contains "SNMPv3 after restart" "$out" "QTR-5190MX"
kill -INT "$PID"; wait "$PID"; PID=

# --- command line and data file errors ---
out=$("$SIM" --user bob,MD4,authpass123 2>&1); rc=$?
[ "$rc" -eq 2 ] || fail "bad --user exit $rc"
expect_contains "bad --user" "$out" "MD5, SHA"
out=$("$SIM" 127.0.0.1:161 2>&1); rc=$?
[ "$rc" -eq 2 ] || fail "privileged port exit $rc"
# Each bad file is refused at once, naming its line (a huge forwarding table would take minutes).
while IFS='|' read -r name text message; do
    printf "community c ro\n$text\n" >"$WORK/bad.data"
    out=$(timeout 20 "$SIM" --data "$WORK/bad.data" 2>&1); rc=$?
    [ "$rc" -eq 1 ] || fail "$name: exit $rc"
    expect_contains "$name" "$out" "bad.data:$message"
done <<'EOF'
not a number|1.3.6.1.2.1.1.5.0 INTEGER rw abc|2: not a number
fdb too large|fdb 2000000000|2: fdb COUNT must be 0 to 65536
fdb negative|fdb -1|2: fdb COUNT must be 0 to 65536
fdb twice|fdb 1\nfdb 1|3: fdb given twice
EOF
# Its communities and users are published: an address other hosts reach needs --allow-remote.
for addr in 0.0.0.0 10.1.2.3 sw1.example.net; do
    out=$("$SIM" "$addr:$PORT" 2>&1); rc=$?
    [ "$rc" -eq 2 ] || fail "non-loopback $addr exit $rc"
    expect_contains "non-loopback $addr" "$out" "give --allow-remote"
done
"$SIM" --allow-remote "0.0.0.0:$PORT" >"$WORK/remote.log" 2>&1 &
PID=$!
for _ in $(seq 50); do grep -q listening "$WORK/remote.log" && break; sleep 0.1; done
expect_contains "--allow-remote" "$(cat "$WORK/remote.log")" "listening on udp:0.0.0.0:$PORT"
kill -TERM "$PID"; wait "$PID"; PID=

[ "$FAILS" -eq 0 ] && echo "all simulator checks passed"
exit $((FAILS > 0))
