# Shared by the scripted tool tests: a work folder, failure counting and the simulated switch on a free
# loopback port. Source it with SIM set to the agent binary.
WORK=$(mktemp -d)
export MIBS= SNMP_PERSISTENT_DIR=$WORK/client SNMPCONFPATH=$WORK/client
mkdir -p "$WORK/client"
FAILS=0
PID=
cleanup() { [ -n "$PID" ] && kill "$PID" 2>/dev/null; rm -rf "$WORK"; }
trap cleanup EXIT

fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }
expect_contains() { # name text pattern
    if ! grep -q -- "$3" <<<"$2"; then fail "$1: expected '$3' in: $2"; fi
}
expect_missing() {
    if grep -q -- "$3" <<<"$2"; then fail "$1: did not expect '$3' in: $2"; fi
}

# Start on a free port: a port in use makes the agent exit at once, then try another.
start_sim() { # extra args
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        PORT=$((20000 + RANDOM % 40000))
        A=127.0.0.1:$PORT
        "$SIM" "$@" "$A" >"$WORK/sim.log" 2>&1 &
        PID=$!
        for _ in $(seq 50); do
            grep -q listening "$WORK/sim.log" && return 0
            kill -0 "$PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$PID" 2>/dev/null
        wait "$PID" 2>/dev/null
    done
    echo "cannot start the simulator:"; cat "$WORK/sim.log"; exit 1
}

