#!/usr/bin/env bash
# Stores every new overseas map of a demo device through orvane-cli, then
# copies the same maps with a shell loop of curl -o and cp from the same
# nginx on 127.0.0.1, and prints both times and their ratio.
# Usage: bench/transfer-vs-shell.sh [BUILD_DIR]   (a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
cli="$PWD/$build/src/cli/orvane-cli"
root=$(mktemp -d /tmp/orvane-transfer-bench-XXXXXX)
port=${ORVANE_BENCH_PORT:-18766}
trap 'kill "$(cat "$root/nginx.pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$root"' EXIT

"$build/tools/demo-data/orvane-demo-data" --out "$root" --courses 800 > /dev/null
user_line=""
[[ $(id -u) -eq 0 ]] && user_line="user root;"
cat > "$root/nginx.conf" <<CONF
$user_line
pid $root/nginx.pid;
error_log $root/error.log;
events { worker_connections 64; }
http {
  access_log off;
  client_body_temp_path $root/body; proxy_temp_path $root/proxy;
  fastcgi_temp_path $root/fastcgi; uwsgi_temp_path $root/uwsgi; scgi_temp_path $root/scgi;
  server { listen 127.0.0.1:$port; root $root/server; }
}
CONF
/usr/sbin/nginx -c "$root/nginx.conf"
server="http://127.0.0.1:$port"
cp -r "$root/devices/model9-us" "$root/ours"
cp -r "$root/devices/model9-us" "$root/shell"

maps() { (cd "$1" && find Course_V40 -mindepth 3 -name '*.dat' | sort); }
maps "$root/ours" > "$root/before"
start=$(date +%s.%N)
no_proxy=127.0.0.1 "$cli" --server "$server" --workdir "$root/work" --device "$root/ours" --yes \
  download --command others-new > "$root/ours.log" 2>&1
ours=$(echo "$(date +%s.%N) - $start" | bc)
maps "$root/ours" | comm -13 "$root/before" - > "$root/new"

mkdir -p "$root/local"
start=$(date +%s.%N)
while read -r map; do
  no_proxy=127.0.0.1 curl -s -f -o "$root/local/$(basename "$map")" "$server/Download/$map"
  mkdir -p "$root/shell/$(dirname "$map")"
  cp "$root/local/$(basename "$map")" "$root/shell/$map"
done < "$root/new"
loop=$(echo "$(date +%s.%N) - $start" | bc)

count=$(wc -l < "$root/new")
bytes=$(cd "$root/ours" && xargs du -cb < "$root/new" | tail -1 | cut -f1)
(cd "$root/ours" && xargs cat < "$root/new" | md5sum) > "$root/ours.sum"
(cd "$root/shell" && xargs cat < "$root/new" | md5sum) > "$root/shell.sum"
cmp -s "$root/ours.sum" "$root/shell.sum" || { echo "the two copies differ" >&2; exit 1; }
echo "maps: $count, $((bytes / 1024)) KiB (average $((bytes / count / 1024)) KiB)"
echo "orvane-cli download (connection included): ${ours} s"
echo "curl -o + cp loop:                         ${loop} s"
echo "ratio: $(echo "scale=2; $ours / $loop" | bc)"
