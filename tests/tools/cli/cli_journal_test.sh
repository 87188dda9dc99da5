#!/bin/bash
# qtr5190mx-cli set is kept in the change journal and `journal` prints it, checked against the simulated
# switch's request log; secrets stay out; a companion killed during a write leaves a journal that parses.
set -u
CLI=$1
SIM=$2
. "$(dirname "$0")/../simlib.sh"
export XDG_STATE_HOME=$WORK/state
JOURNAL=$XDG_STATE_HOME/qtr5190mx
start_sim --log

V2W=(-v 2c -c wrtcomm -t 2 -r 1 "$A")
V3=(-v 3 -u shaaesuser -l authPriv -a SHA -A authpass123 -x AES -X privpass123 "$A")
LOC=1.3.6.1.2.1.1.6.0
DESCR=1.3.6.1.2.1.1.1.0

# Taken, refused by the switch, unanswered (a community the switch ignores), and under SNMPv3.
"$CLI" "${V2W[@]}" set $LOC:0x4c=Lab-1 || fail "set failed"
"$CLI" "${V2W[@]}" set $DESCR:0x4c=nope 2>/dev/null && fail "a refused set succeeded"
"$CLI" -v 2c -c nobody -t 0.1 -r 0 "$A" set $LOC:0x4c=unanswered 2>/dev/null && fail "an unanswered set succeeded"
"$CLI" "${V3[@]}" set $LOC:0x4c=Lab-2 || fail "SNMPv3 set failed"

out=$("$CLI" journal) || fail "journal failed"
[ "$(wc -l <<<"$out")" -eq 4 ] || fail "journal: expected 4 lines: $out"
fields() { awk -F'\t' -v n="$1" 'NR == n { print $2 "|" $3 "|" $4 "|" $5 "|" $6 "|" $7 "|" $8 }' <<<"$out"; }
[ "$(fields 1)" = "$A|qtr5190mx-cli set|$LOC|Location||Lab-1|Ok" ] || fail "taken: $(fields 1)"
[ "$(fields 2)" = "$A|qtr5190mx-cli set|$DESCR|Descr||nope|(SNMP) Cannot create/set variable, Not Writable!" ] ||
    fail "refused: $(fields 2)"
[ "$(fields 3)" = "$A|qtr5190mx-cli set|$LOC|Location||unanswered|no reply" ] || fail "unanswered: $(fields 3)"
[ "$(fields 4)" = "$A|qtr5190mx-cli set|$LOC|Location||Lab-2|Ok" ] || fail "SNMPv3: $(fields 4)"
# The time is ISO 8601 with the offset from UTC.
awk -F'\t' '{ print $1 }' <<<"$out" | grep -qvE '^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9:]{8}(Z|[+-][0-9]{2}:[0-9]{2})$' &&
    fail "journal times: $out"
# Once per SET the switch received: the three it answered, in order.
sets=$(grep -E "^SET " "$WORK/sim.log" | awk '{ print $4 }')
[ "$sets" = ".$LOC"$'\n'".$DESCR"$'\n'".$LOC" ] || fail "the switch's SETs: $sets"

# CSV with a header line; the switch, time and bad arguments filter or refuse.
"$CLI" journal --csv >"$WORK/journal.csv" || fail "journal --csv failed"
python3 -c 'import csv, sys
rows = list(csv.reader(open(sys.argv[1], newline="", encoding="utf-8"), strict=True))
assert rows[0] == ["time", "switch", "window or command", "OID", "label", "before", "sent", "outcome"], rows[0]
assert len(rows) == 5 and rows[2][7] == "(SNMP) Cannot create/set variable, Not Writable!", rows' "$WORK/journal.csv" ||
    fail "journal --csv is not the CSV expected"
[ "$("$CLI" journal --switch "$A" | wc -l)" -eq 4 ] || fail "--switch of the switch"
[ "$("$CLI" journal --switch "127.0.0.1" | wc -l)" -eq 4 ] || fail "--switch without a port"
[ -z "$("$CLI" journal --switch 127.0.0.1:1)" ] || fail "--switch of another port"
[ -z "$("$CLI" journal --since 2999-01-01)" ] || fail "--since in the future"
[ "$("$CLI" journal --since 2000-01-01T00:00Z | wc -l)" -eq 4 ] || fail "--since in the past"
"$CLI" journal --since yesterday >/dev/null 2>&1; [ $? -eq 2 ] || fail "a bad time is no usage error"
"$CLI" journal --switch :161 >/dev/null 2>&1; [ $? -eq 2 ] || fail "a bad switch is no usage error"

# Private, and without the session's secrets.
[ "$(stat -c %a "$JOURNAL")" = 700 ] || fail "folder mode $(stat -c %a "$JOURNAL")"
[ "$(stat -c %a "$JOURNAL/changes.jsonl")" = 600 ] || fail "file mode $(stat -c %a "$JOURNAL/changes.jsonl")"
for secret in wrtcomm nobody authpass123 privpass123; do
    grep -rq "$secret" "$XDG_STATE_HOME" && fail "the journal holds $secret"
done
grep -q '"security":"shaaesuser"' "$JOURNAL/changes.jsonl" || fail "the SNMPv3 user is not kept"

# Killed during a write: the entry went out before the write, so the journal parses and shows it without
# an outcome.
SLOWPID=
for _ in 1 2 3 4 5 6 7 8 9 10; do
    SLOW=$((20000 + RANDOM % 40000))
    "$SIM" --delay 5000 "127.0.0.1:$SLOW" >"$WORK/slow.log" 2>&1 &
    SLOWPID=$!
    for _ in $(seq 50); do grep -q listening "$WORK/slow.log" && break 2; kill -0 $SLOWPID 2>/dev/null || break; sleep 0.1; done
    kill $SLOWPID 2>/dev/null
    wait $SLOWPID 2>/dev/null
done
"$CLI" -v 2c -c wrtcomm -t 10 -r 0 "127.0.0.1:$SLOW" set $LOC:0x4c=in-flight >/dev/null 2>&1 &
VICTIM=$!
for _ in $(seq 100); do grep -q 'in-flight' "$JOURNAL/changes.jsonl" && break; sleep 0.05; done
{ kill -KILL $VICTIM; wait $VICTIM; } 2>/dev/null
kill "$SLOWPID"
wait "$SLOWPID" 2>/dev/null
# A line cut short, as a process killed in the middle of writing it would leave.
printf '{"type":"outcome","id":"' >>"$JOURNAL/changes.jsonl"
"$CLI" "${V2W[@]}" set $LOC:0x4c=after-kill || fail "set after the kill failed"
out=$("$CLI" journal 2>"$WORK/journal.err") || fail "journal after the kill failed"
grep -q "1 damaged line" "$WORK/journal.err" || fail "the cut line is not reported: $(cat "$WORK/journal.err")"
expect_contains "in flight" "$out" $'\tin-flight\tunknown (no outcome was kept)$'
expect_contains "after the kill" "$out" $'\tafter-kill\tOk$'
[ "$(wc -l <<<"$out")" -eq 6 ] || fail "journal after the kill: $out"

"$CLI" --help | grep -q "journal \[--switch AGENT\]" || fail "--help does not show journal"
[ "$FAILS" -eq 0 ] && echo "cli journal: all checks passed"
exit $((FAILS > 0))
