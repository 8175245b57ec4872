#!/usr/bin/env bash
# Installs what is missing, builds the program (Release), starts the demo ZEKO server in the
# background and opens the demo panel in the editor; Run then makes it move. Arguments go to
# the program instead of the demo gauge (for example: scripts/start.sh /p my.dwl).
#
# The demo server listens on the port of the opened gauge's first server link (else the
# first link of your settings, else 8090), unless something already listens there or the
# link is not on this machine. It stops when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDW_TESTS=OFF
cmake --build build/release
bin=build/release/bin

args=("$@")
[ $# -gt 0 ] || args=(examples/panel.dwl)

# The first server link: from the gauge being opened, else from the user's settings.
ip=127.0.0.1
port=8090
settings=${XDG_CONFIG_HOME:-$HOME/.config}/ZEKO/dialwright.ini
if [ -f "$settings" ]; then
    ini() { awk -F= -v key="$1" '/^\[/{s=$0} s=="[ZEKO]" && $1==key {print $2; exit}' "$settings"; }
    ip=$(ini ServerIp1 || true); ip=${ip:-127.0.0.1}
    port=$(ini ServerPort1 || true); port=${port:-8090}
fi
for arg in "${args[@]}"; do
    if [ -f "$arg" ] && grep -q '<zekolink_1 ' "$arg"; then
        link=$(grep -o '<zekolink_1 [^>]*>' "$arg" | head -n 1)
        ip=$(sed -n 's/.* ip="\([^"]*\)".*/\1/p' <<<"$link")
        port=$(sed -n 's/.* port="\([0-9]*\)".*/\1/p' <<<"$link")
    fi
done

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

sim_pid=""
case "$ip" in
127.* | localhost)
    if listening "$port"; then
        echo "start.sh: something already listens on port $port; not starting the demo server"
    else
        log=build/release/demo-server.log
        "$bin/dwtool" sim --port "$port" --scenario examples/demo.txt </dev/null >"$log" 2>&1 &
        sim_pid=$!
        trap 'kill "$sim_pid" 2>/dev/null || true' EXIT
        for _ in $(seq 50); do
            listening "$port" && break
            kill -0 "$sim_pid" 2>/dev/null || { cat "$log" >&2; exit 1; }
            sleep 0.1
        done
        echo "start.sh: demo server on 127.0.0.1:$port (log: $log)"
    fi
    ;;
*) echo "start.sh: the first server link is $ip:$port; not starting the demo server" ;;
esac

"$bin/dialwright" "${args[@]}"
