#!/bin/sh
# Reports the web page's goals, each figure beside its goal, in Debian's
# chromium (headless) over a static server on 127.0.0.1: the page ready to
# search with a warm cache, "*" on the bundled list until painted, a sound
# query, scrolling a result list of 1,000,000 lines, what the site weighs
# compressed, and Lighthouse's scores (LEXI_LIGHTHOUSE_RUNS cold visits each as a
# phone and as a desktop, 5 unless told).
# Usage: bench/web/run.sh [SITE_DIR]   (default: build-web/site, from `cmake --preset web`)
set -eu
cd "$(dirname "$0")/../.."
site=${1:-build-web/site}
list=build-web/bench-list-1000000.txt
[ -s "$list" ] || python3 bench/make_list.py 1000000 >"$list"
echo "Machine: $(nproc) cores; load average $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes)"
echo
echo "Transfer size, gzip -9 (what a static host that compresses sends):"
total=0
for file in index.html page.css page.js lexiquarium.js lexiquarium.wasm; do
  size=$(gzip -9 -c "$site/$file" | wc -c)
  total=$((total + size))
  printf '  %-18s %7d bytes (%d uncompressed)\n' "$file" "$size" "$(wc -c <"$site/$file")"
done
printf '  %-18s %7d bytes   goal <= 153600 (150 KB)\n' "the page in all" "$total"
printf '  %-18s %7d bytes   (sent as it is: the page unpacks it)\n' "word list, .gz" \
  "$(wc -c <"$site/LexiquariumWords.txt.gz")"
echo
node bench/web/web_bench.mjs "$site" "$list"
echo
[ -x bench/web/node_modules/.bin/lighthouse ] || npm ci --prefix bench/web --no-audit --no-fund >/dev/null
node bench/web/lighthouse.mjs "$site" "${LEXI_LIGHTHOUSE_RUNS:-5}"
