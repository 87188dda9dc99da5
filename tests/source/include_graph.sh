#!/bin/sh
# The folders of the program include one another in one direction only: the include graph between them has
# no circle, and the core (Qt Core and net-snmp) never includes a folder of the windows. Fails naming the
# circle, or the lines that break a floor.
set -eu
root=${1:?usage: include_graph.sh SOURCE_DIR}
cd "$root"
core="base snmp values profile catalog journal snapshot"
gui="guibase binding configform monitors windows app"
status=0

# One "FROM TO" pair per folder that includes another (tsort reads pairs).
edges=$(for from in $core $gui; do
    grep -ohE '^#include "[a-z]+/' "$from"/*.h "$from"/*.cpp 2>/dev/null | sed -E 's/^#include "([a-z]+)\//\1/' |
        sort -u | while read -r to; do [ "$to" = "$from" ] || echo "$from $to"; done
done)
if ! printf '%s\n' "$edges" | tsort >/dev/null 2>/tmp/include_graph.$$; then
    echo "The folders include one another in a circle:"
    sed -n 's/^tsort: //p' /tmp/include_graph.$$
    status=1
fi
rm -f /tmp/include_graph.$$

for from in $core; do
    for to in $gui; do
        lines=$(grep -nE "^#include \"$to/" "$from"/*.h "$from"/*.cpp 2>/dev/null || true)
        if [ -n "$lines" ]; then
            echo "The core folder $from/ includes the windows' folder $to/:"
            echo "$lines"
            status=1
        fi
    done
    lines=$(grep -nE '^#include <Qt(Widgets|Gui|Charts|Network)/|^#include <Q(Widget|Dialog|Application)>' \
        "$from"/*.h "$from"/*.cpp 2>/dev/null || true)
    if [ -n "$lines" ]; then
        echo "The core folder $from/ includes Qt beyond Qt Core:"
        echo "$lines"
        status=1
    fi
done
exit $status
