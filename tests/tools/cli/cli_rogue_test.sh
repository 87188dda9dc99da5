#!/bin/bash
# qtr5190mx-cli against an agent that misbehaves on purpose: every wrong reply ends in exit status 1
# and the message on standard error, never in a value printed as right.
set -u
CLI=$1
ROGUE=$2
SIM=$ROGUE
. "$(dirname "$0")/../simlib.sh"

T=1.3.6.1.4.1.59371.99.2.1
SCALARS=(1.3.6.1.4.1.59371.99.1.1.0:0x02 1.3.6.1.4.1.59371.99.1.2.0:0x4c)

rogue() { # mode [options]: (re)start the agent
    [ -n "$PID" ] && kill "$PID" 2>/dev/null && wait "$PID" 2>/dev/null
    PID=
    start_sim --mode "$@"
}

expect_error() { # name expected-message command...
    local name=$1 message=$2
    shift 2
    local out err rc
    out=$("$@" 2>"$WORK/err"); rc=$?
    err=$(cat "$WORK/err")
    [ $rc -eq 1 ] || fail "$name: exit $rc (stdout: $out, stderr: $err)"
    expect_contains "$name" "$err" "$message"
    expect_missing "$name prints no value" "$out" "spoofed"
}

C=(-v 2c -c public -t 0.5 -r 0)

rogue honest
out=$("$CLI" "${C[@]}" "$A" get "${SCALARS[@]}") || fail "honest get"
expect_contains "honest get" "$out" $'^1.3.6.1.4.1.59371.99.1.2.0\trogue$'

rogue spoof
out=$("$CLI" "${C[@]}" "$A" get "${SCALARS[@]}") || fail "spoofed get"
expect_contains "spoofed reply dropped" "$out" $'\trogue$'
expect_missing "spoofed reply dropped" "$out" spoofed

for mode in wrong-oid fewer more swap; do
    rogue "$mode"
    expect_error "$mode" "(TvSNMP++) The agent's reply does not answer the request!" "$CLI" "${C[@]}" "$A" get "${SCALARS[@]}"
done
for mode in exception-noSuchObject exception-noSuchInstance exception-endOfMibView; do
    rogue "$mode"
    expect_error "$mode" "(SNMP) Variable does not exist!" "$CLI" "${C[@]}" "$A" get "${SCALARS[@]}"
done
rogue spoof-only
expect_error "spoof only" "(SNMPClass) SNMP request timed out!" "$CLI" "${C[@]}" "$A" get "${SCALARS[@]}"
rogue error-status --error-status 1400 --error-index 1
expect_error "undefined error-status" "(TvSNMP++) The agent returned error-status 1400, which SNMP does not define!" \
    "$CLI" "${C[@]}" "$A" get "${SCALARS[@]}"
# Wider than 32 bits on the wire, which the SNMP library alone would read as 0: a failure, read or write.
rogue error-status --error-status 4294967296 --error-index 1
expect_error "wide error-status" "(TvSNMP++) The agent returned error-status 4294967296, which SNMP does not define!" \
    "$CLI" "${C[@]}" "$A" get "${SCALARS[@]}"
expect_error "wide error-status on a write" "error-status 4294967296, which SNMP does not define!" \
    "$CLI" "${C[@]}" "$A" set 1.3.6.1.4.1.59371.99.1.1.0:0x02=43
rogue error-status --error-status 5 --error-index 7
expect_error "error-index outside" "(TvSNMP++) Error-index 7 of the reply is outside the request!" \
    "$CLI" "${C[@]}" "$A" get "${SCALARS[@]}"
rogue type-string
expect_error "type" "Wrong type from the agent: 1.3.6.1.4.1.59371.99.1.1.0 is INTEGER, the agent returned OCTET STRING!" \
    "$CLI" "${C[@]}" "$A" get "${SCALARS[@]}"
rogue type-tag
expect_error "unknown tag" "the agent returned an unknown type (tag 0x4E)!" "$CLI" "${C[@]}" "$A" get "${SCALARS[@]}"
rogue type-counter64
expect_error "Counter64 under SNMPv1" "which SNMPv1 does not have!" \
    "$CLI" -v 1 -c public -t 0.5 -r 0 "$A" get 1.3.6.1.4.1.59371.99.1.3.0:0x46

# Walks, blocking and through the event pump.
for mode in "" --async; do
    rogue sparse
    out=$("$CLI" "${C[@]}" "$A" walk $mode --keys 1 $T.1:0x02 $T.2:0x4c $T.3:0x42) || fail "sparse walk $mode"
    [ "$out" = $'1\trow-1\t10\n2\trow-2\t\n3\trow-3\t30\n4\trow-4\t\n5\t(NOTDONE)\t50' ] ||
        fail "sparse walk $mode lined up wrongly: $out"
    out=$("$CLI" "${C[@]}" "$A" walk $mode $T.2:0x4c $T.3:0x42) || fail "keyless sparse walk $mode"
    [ "$(wc -l <<<"$out")" -eq 5 ] || fail "keyless sparse walk $mode: $out"

    rogue backwards
    out=$("$CLI" "${C[@]}" "$A" walk $mode --keys 1 $T.1:0x02 $T.2:0x4c 2>"$WORK/err"); rc=$?
    [ $rc -eq 1 ] || fail "backwards walk $mode: exit $rc"
    [ "$(wc -l <<<"$out")" -eq 3 ] || fail "backwards walk $mode keeps the rows read so far: $out"
    expect_contains "backwards walk $mode" "$(cat "$WORK/err")" "(TvSNMP++) The agent returned OIDs out of order!"

    rogue bigsubid
    out=$("$CLI" "${C[@]}" "$A" walk $mode --keys 1 $T.1:0x02 $T.2:0x4c 2>"$WORK/err"); rc=$?
    [ $rc -eq 1 ] || fail "big sub-identifier $mode: exit $rc"
    expect_contains "big sub-identifier $mode" "$(cat "$WORK/err")" "sub-identifier above 4294967295!"

    # Replies that do not answer a walk, with GETBULK and with GET-NEXT: the rows a GET-NEXT walk reads
    # before the wrong reply, then the error; never fewer rows with success.
    for bulk in "" --no-bulk; do
        for c in "swap|OIDs out of order!|0" "hugesubid|sub-identifier above 4294967295!|4" \
            "walk-noSuchObject|does not answer the request!|2" "walk-noSuchInstance|does not answer the request!|2"; do
            IFS='|' read -r m message rows <<<"$c"
            rogue "$m"
            out=$("$CLI" "${C[@]}" "$A" walk $mode $bulk --keys 1 $T.1:0x02 $T.2:0x4c $T.3:0x42 2>"$WORK/err"); rc=$?
            [ $rc -eq 1 ] || fail "$m walk $mode $bulk: exit $rc"
            n=0
            [ -n "$out" ] && n=$(wc -l <<<"$out")
            [ "$n" -eq "$rows" ] || fail "$m walk $mode $bulk: $n rows, not $rows: $out"
            expect_contains "$m walk $mode $bulk" "$(cat "$WORK/err")" "$message"
        done
    done

    # An endless table: rows stream out until the row limit, which says so.
    rogue endless
    out=$("$CLI" "${C[@]}" "$A" walk $mode --max-rows 2000 --keys 1 $T.1:0x02 $T.2:0x4c 2>"$WORK/err"); rc=$?
    [ $rc -eq 1 ] || fail "endless walk $mode: exit $rc"
    [ "$(wc -l <<<"$out")" -eq 2000 ] || fail "endless walk $mode: $(wc -l <<<"$out") rows"
    expect_contains "row limit $mode" "$(cat "$WORK/err")" "Walk stopped at the row limit of 2000 rows!"

    # Ctrl+C ends it at once; the rows so far are out.
    # (perl sets Ctrl+C back to its default: background jobs of a script start with it ignored.)
    perl -e '$SIG{INT} = "DEFAULT"; exec @ARGV or die' -- "$CLI" "${C[@]}" "$A" walk $mode --max-rows 0 --keys 1 $T.1:0x02 $T.2:0x4c >"$WORK/rows" 2>/dev/null &
    walker=$!
    sleep 1
    kill -INT $walker
    for _ in $(seq 20); do kill -0 $walker 2>/dev/null || break; sleep 0.05; done
    kill -0 $walker 2>/dev/null && { fail "Ctrl+C did not end the walk $mode"; kill -9 $walker; }
    wait $walker 2>/dev/null
    [ "$(wc -l <"$WORK/rows")" -gt 100 ] || fail "endless walk $mode printed $(wc -l <"$WORK/rows") rows before Ctrl+C"
done

[ "$FAILS" -eq 0 ] && echo "all rogue cli checks passed"
exit $((FAILS > 0))
