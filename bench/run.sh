#!/bin/sh
# Reports every speed and memory goal of the core and the query tool, each with
# its figure and, against wc -l or grep, its ratio measured in the same run:
#   - Google Benchmark (core_bench): load, sound index, searches, memory;
#   - whole runs (hyperfine) of lexiquarium-find against wc -l and against
#     grep -i -E with the equivalent expression, in the C locale, all writing
#     into a file (grep stops at the first match when it writes to /dev/null);
#   - the peak memory of one-shot queries (GNU time) beside grep's;
#   - --queries over 10,000 of codespell's misspellings against aspell -a fed
#     the same words, and whether its lines are those of separate runs;
#   - how the cost grows with the list: 0.25M, 1M and 4M lines.
# The machine's load is printed first: on a busy machine, repeat a figure that
# looks off. bench/gui/run.sh reports the desktop program's figures.
# Usage: bench/run.sh [BUILD_DIR]   (default: build, from `cmake --preset default`)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
find="$build/cli/lexiquarium-find"
dir="$build/bench"
out="$dir/output.txt"
json="$dir/figures.json"
export LC_ALL=C

for lines in 250000 1000000 4000000; do
  [ -s "$dir/list-$lines.txt" ] || python3 bench/make_list.py $lines >"$dir/list-$lines.txt"
done
list="$dir/list-1000000.txt"
echo "List: $list, $(wc -l <"$list") lines, $(wc -c <"$list") bytes"
echo "Machine: $(nproc) cores; load average $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes)"

echo
echo "Core (Google Benchmark, in process):"
# Memory first, in a process of its own, so that nothing before it is counted.
"$build/bench/core_bench" "$list" --benchmark_filter=BM_ResidentAfterLoad \
  --benchmark_out="$dir/memory.json" --benchmark_out_format=json >/dev/null
"$build/bench/core_bench" "$list" --benchmark_filter=-BM_ResidentAfterLoad \
  --benchmark_counters_tabular=true --benchmark_out="$dir/core.json" --benchmark_out_format=json
python3 bench/report.py core "$dir/core.json"
python3 bench/report.py core "$dir/memory.json"

if ! command -v hyperfine >/dev/null 2>&1; then
  echo "hyperfine is not installed (apt-get install hyperfine): whole-process figures skipped"
  exit 0
fi

# hyperfine's runs of two commands, the first against the second.
compare() {
  label=$1 goal=$2
  shift 2
  hyperfine -N -i --warmup 3 --runs 20 --output="$out" --export-json "$json" "$@" >/dev/null 2>&1
  python3 bench/report.py ratio "$json" "$label" "$goal"
}

echo
echo "Whole runs on 1,000,000 lines (hyperfine, mean of 20, output into a file):"
# A query without letters has an empty sound key: the run is the read alone.
compare "load: lexiquarium-find 0 / wc -l" 3 "$find --list $list 0" "wc -l $list"
# A pattern must match from the start of the line up to a blank or its end.
for pair in "ph*ne|^ph.*ne( |\$)" "c?t|^c.t( |\$)" "*tion|^.*tion( |\$)" \
  "a*b*c*d|^a.*b.*c.*d( |\$)"; do
  pattern=${pair%%|*}
  regex=${pair#*|}
  compare "$pattern / grep -i -E '$regex'" 1.0 "$find --list $list $pattern" \
    "grep -i -E '$regex' $list"
done
for pair in "fone|^(fone|phone)( |\$)" "nite|^(nite|night|knight)( |\$)"; do
  query=${pair%%|*}
  regex=${pair#*|}
  compare "$query / grep -i -E '$regex'" 1.2 "$find --list $list $query" \
    "grep -i -E '$regex' $list"
done

echo
echo "Peak memory on 1,000,000 lines (GNU time, the lines found into a file):"
peak() {
  /usr/bin/time -o "$dir/time.txt" -f %M "$@" >"$out" 2>/dev/null || true
  echo $(($(cat "$dir/time.txt") / 1024))
}
for pair in "*tion|^.*tion( |\$)" "ph*ne|^ph.*ne( |\$)" "fone|^(fone|phone)( |\$)"; do
  query=${pair%%|*}
  ours=$(peak "$find" --list "$list" "$query")
  theirs=$(peak grep -i -E "${pair#*|}" "$list")
  verdict="goal met"
  [ "$ours" -le 16 ] || verdict="GOAL MISSED"
  printf "  %-44s %4d MiB vs grep %4d MiB   (goal <= 16 MiB)  %s\n" "lexiquarium-find '$query'" \
    "$ours" "$theirs" "$verdict"
done

echo
echo "Many queries in one run, over the bundled list (hyperfine, mean of 5):"
bundled=data/LexiquariumWords.txt
words="$dir/codespell-10000.txt"
python3 - "$words" <<'PYTHON'
import re, sys
words = {}
with open("/usr/lib/python3/dist-packages/codespell_lib/data/dictionary.txt", encoding="utf-8") as f:
    for line in f:
        word = line.split("->")[0].strip()
        if re.fullmatch("[a-z]+", word):
            words.setdefault(word)
with open(sys.argv[1], "w") as out:
    out.write("\n".join(list(words)[:10000]) + "\n")
PYTHON
echo "  $(wc -l <"$words") of codespell's misspellings, aspell -a against the same words"
for near in "" "--near"; do
  hyperfine -i --warmup 1 --runs 5 --output="$out" --export-json "$json" \
    "$find --list $bundled $near --queries $words" "aspell -a <$words" >/dev/null 2>&1
  python3 bench/report.py ratio "$json" "${near:+--near }--queries / aspell -a" 1.0
done
# The lines of --queries against those of one run a query, on the first 200.
head -200 "$words" >"$dir/words-200.txt"
for near in "" "--near"; do
  while read -r word; do
    "$find" --list "$bundled" $near -- "$word" | sed "s/^/$word\t/"
  done <"$dir/words-200.txt" >"$dir/separate.txt"
  "$find" --list "$bundled" $near --queries "$dir/words-200.txt" >"$dir/together.txt" || true
  same="the same lines"
  cmp -s "$dir/separate.txt" "$dir/together.txt" || same="LINES DIFFER"
  echo "  ${near:+--near }--queries on 200 words against 200 separate runs: $same"
done

echo
echo "Growth with the list (hyperfine, mean of 20):"
for query in 0 fone "*tion"; do
  hyperfine -N -i --warmup 2 --runs 20 --output="$out" --export-json "$json" \
    "$find --list $dir/list-250000.txt $query" "$find --list $dir/list-1000000.txt $query" \
    "$find --list $dir/list-4000000.txt $query" >/dev/null 2>&1
  printf "%s\n" "  lexiquarium-find '$query':"
  python3 bench/report.py growth "$json" 0.25M 1M 4M
done
