#!/usr/bin/env bash
# The example gauges load, run their scripts and draw without a message, and the demo
# scenario is valid and publishes every variable that the gauges link and that the alias
# file names.   usage: check-examples.sh DWTOOL EXAMPLES_FOLDER
set -euo pipefail
dwtool=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The values of a moment of the demo flight, so that every branch shows something.
vars=(--var 1:101=150 --var 1:102=7340 --var 1:103=2750 --var 1:104=10 --var 1:105=12
      --var 1:106=0 --var 1:107=1 --var 1:108=-40 --var 1:110=9269 --var 1:111=8592
      --var 1:112=4144 --var 1:113=5008 --var 1:114=28672 --var 1:115=1045
      --var 1:116=5195347 --var 1:117=1 --var 1:120=1)
gauges=("$examples"/*.dwl)
[ "${#gauges[@]}" -ge 2 ] || fail "fewer than two example gauges"
for gauge in "${gauges[@]}"; do
    name=$(basename "$gauge" .dwl)
    for mode in edit run; do
        args=()
        [ "$mode" = run ] && args=(--run --frames 3 "${vars[@]}")
        if ! "$dwtool" render "$gauge" -o "$work/$name-$mode.png" "${args[@]}" \
            >"$work/out" 2>&1; then
            fail "$name ($mode): $(cat "$work/out")"
        elif [ -s "$work/out" ]; then
            fail "$name ($mode) printed: $(cat "$work/out")"
        fi
        [ -s "$work/$name-$mode.png" ] || fail "$name ($mode): no picture"
    done
done

# Every element kind, both scripts of an image, clicks that send values, print formats
# and hatch styles appear somewhere.
all=$(cat "${gauges[@]}")
for kind in graph text primitive audio; do
    grep -q "type=\"$kind\"" <<<"$all" || fail "no element of kind $kind"
done
grep -q '<program_lbup>' <<<"$all" || fail "no click script"
grep -Eq '^set offset' <<<"$all" || fail "no click sends a value"
for statement in 'print %' print_com print_nav print_xpndr print_adf print_ident print_str; do
    grep -q "$statement" <<<"$all" || fail "no $statement"
done
grep -Eq 'style="[0-5]"' <<<"$all" || fail "no hatch style"

# The scenario: valid, and it defines every linked variable and every alias.
"$dwtool" sim --port 0 --scenario "$examples/demo.txt" --duration 0.2 >"$work/sim" 2>&1 ||
    fail "the demo scenario is refused: $(cat "$work/sim")"
defined=$(sed -n 's/^\([0-9][0-9]*\)[[:space:]].*/\1/p' "$examples/demo.txt" | sort -u)
linked=$(grep -oh 'link offset [0-9]*' "${gauges[@]}" | awk '{print $3}' | sort -u)
named=$(awk 'NF >= 2 {print $1}' "$examples/alias.txt" | sort -u)
for v in $linked $named; do
    grep -qx "$v" <<<"$defined" || fail "variable $v is not in the scenario"
done
for v in $linked; do
    grep -qx "$v" <<<"$named" || fail "variable $v has no name in alias.txt"
done

# A gauge author's checks: nothing to report, and each gauge plays against the scenario.
if ! "$dwtool" check "${gauges[@]}" >"$work/check" 2>&1 || [ -s "$work/check" ]; then
    fail "dwtool check: $(cat "$work/check")"
fi
for gauge in "${gauges[@]}"; do
    name=$(basename "$gauge" .dwl)
    "$dwtool" sim --port 0 --scenario "$examples/demo.txt" --duration 60 </dev/null \
        >"$work/sim-$name" 2>&1 &
    sim=$!
    port=""
    for _ in $(seq 300); do
        port=$(sed -n 's/^dwtool sim: listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/sim-$name")
        [ -n "$port" ] && break
        kill -0 "$sim" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$port" ]; then
        fail "$name: the demo server did not start: $(cat "$work/sim-$name")"
    elif ! "$dwtool" play "$gauge" --link1 "127.0.0.1:$port" --duration 3 \
        >"$work/play-$name" 2>&1; then
        fail "$name: dwtool play: $(cat "$work/play-$name")"
    fi
    kill "$sim" 2>/dev/null || true
    wait "$sim" 2>/dev/null || true
done

if [ "$failures" -ne 0 ]; then
    echo "$failures problems"
    exit 1
fi
echo "examples: ${#gauges[@]} gauges checked"
