#!/bin/bash
# qtr5190mx-cli listen: the simulated switch's notifications and net-snmp's snmpinform and snmptrap
# arrive, one line each; another sender's are not printed; --count and --timeout end it.
set -u
CLI=$1
SIM=$2
. "$(dirname "$0")/../simlib.sh"

free_port() { python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
# Starts the companion in the background; returns once it says that it listens.
start_listen() { # name, then the companion's arguments
    local name=$1; shift
    "$CLI" "$@" >"$WORK/$name.out" 2>"$WORK/$name.err" &
    LISTENER=$!
    for _ in $(seq 100); do
        grep -q "listening on UDP port" "$WORK/$name.err" && return 0
        kill -0 "$LISTENER" 2>/dev/null || break
        sleep 0.05
    done
    fail "$name: the companion does not listen: $(cat "$WORK/$name.err")"
}

# The simulated switch under SNMPv2c: coldStart at start, linkDown when port 4 is set down, and
# authenticationFailure for a wrong community.
LP=$(free_port)
start_listen sim -v 2c -c rdcomm 127.0.0.1 listen --port "$LP" --count 3 --timeout 30
start_sim --led-period 86400 --trap-to "127.0.0.1:$LP"
snmpset -v2c -c wrtcomm "$A" 1.3.6.1.2.1.2.2.1.7.4 i 2 >/dev/null || fail "snmpset ifAdminStatus"
snmpget -v2c -c guess -t 1 -r 0 "$A" 1.3.6.1.2.1.1.5.0 >/dev/null 2>&1
wait "$LISTENER"
rc=$?
out=$(cat "$WORK/sim.out")
[ "$rc" = 0 ] || fail "listen --count 3 exit status $rc: $(cat "$WORK/sim.err")"
[ "$(wc -l <<<"$out")" = 3 ] || fail "listen printed other than 3 lines: $out"
expect_contains "coldStart" "$(sed -n 1p <<<"$out")" $'^[0-9-]*T[0-9:.]*\t127.0.0.1:[0-9]*\tcoldStart'
expect_contains "linkDown with its port" "$(sed -n 2p <<<"$out")" \
    $'\tlinkDown\t1.3.6.1.2.1.2.2.1.1.4=4\t1.3.6.1.2.1.2.2.1.7.4=2\t1.3.6.1.2.1.2.2.1.8.4=2'
expect_contains "authenticationFailure" "$(sed -n 3p <<<"$out")" $'\tauthenticationFailure'
kill "$PID" 2>/dev/null; wait "$PID" 2>/dev/null; PID=

# An SNMPv3 inform is acknowledged: snmpinform succeeds.
LP=$(free_port)
V3=(-v 3 -u shaaesuser -l authPriv -a SHA -A authpass123 -x AES -X privpass123)
start_listen inform "${V3[@]}" 127.0.0.1 listen --port "$LP" --count 1 --timeout 30
snmpinform "${V3[@]}" -r 0 -t 5 "127.0.0.1:$LP" "" 1.3.6.1.6.3.1.1.5.2 1.3.6.1.2.1.1.5.0 s $'core\e[31m' ||
    fail "snmpinform got no response"
wait "$LISTENER" || fail "listen after the inform: $(cat "$WORK/inform.err")"
# A value with a control character (an escape sequence here) is shown in hex, never as it is.
expect_contains "inform printed" "$(cat "$WORK/inform.out")" $'\twarmStart\t1.3.6.1.2.1.1.5.0=636F72651B5B33316D$'

# Another address and a wrong community are not printed; the timeout ends the wait with status 1.
LP=$(free_port)
start_listen other -v 2c -c rdcomm 127.0.0.1 listen --port "$LP" --count 1 --timeout 1
snmptrap --clientaddr=127.0.0.2 -v 2c -c rdcomm "127.0.0.1:$LP" "" 1.3.6.1.6.3.1.1.5.1 || fail "snmptrap"
snmptrap -v 2c -c guess "127.0.0.1:$LP" "" 1.3.6.1.6.3.1.1.5.1 || fail "snmptrap"
wait "$LISTENER"
rc=$?
[ "$rc" = 1 ] || fail "listen --timeout: exit status $rc"
[ -z "$(cat "$WORK/other.out")" ] || fail "printed what it should have dropped: $(cat "$WORK/other.out")"

# A port in use is named, with what to do.
python3 - "$CLI" <<'PY' || fail "a port in use"
import socket, subprocess, sys
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("0.0.0.0", 0)); port = s.getsockname()[1]
r = subprocess.run([sys.argv[1], "-v", "2c", "-c", "rdcomm", "127.0.0.1", "listen", "--port", str(port), "--count", "1"],
                   capture_output=True, text=True, timeout=20)
assert r.returncode == 1, r
assert ("UDP port %d" % port) in r.stderr and "another program uses it" in r.stderr, r.stderr
PY
# Usage errors.
"$CLI" -v 2c 127.0.0.1 listen --port x 2>/dev/null; [ $? = 2 ] || fail "--port x is no usage error"
"$CLI" -v 2c 127.0.0.1 listen --count 0 2>/dev/null; [ $? = 2 ] || fail "--count 0 is no usage error"

[ "$FAILS" = 0 ] && echo "cli listen: ok"
exit "$FAILS"
