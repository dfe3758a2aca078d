#!/usr/bin/env bash
# Serves a 45,000-course demo world from nginx on 127.0.0.1 and runs the
# window's timings against a copy of its US device.
# Usage: bench/window-timings.sh [BUILD_DIR]   (a Release build with benchmarks)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
root=$(mktemp -d /tmp/orvane-window-bench-XXXXXX)
port=${ORVANE_BENCH_PORT:-18767}
trap 'kill "$(cat "$root/nginx.pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$root"' EXIT

"$build/tools/demo-data/orvane-demo-data" --out "$root" --courses 45000 --no-maps > /dev/null
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
mkdir -p "$root/work"
no_proxy=127.0.0.1 "$build/bench/orvane_window_timings" "http://127.0.0.1:$port" \
  "$root/devices/${ORVANE_BENCH_DEVICE:-model9-us}" "$root/work"
