// Lighthouse on the site served on 127.0.0.1, a cold visit each run, as a phone
// (its simulated slow 4G and 4x slower processor) and as a desktop: the median
// of the runs for each category's score, total blocking time, the largest
// paint and the layout shift, beside the goals.
// Usage: node bench/web/lighthouse.mjs SITE_DIR [RUNS]   (Lighthouse from
// bench/web/package.json, which run.sh installs; chromium from Debian)
import {execFile, spawn} from "node:child_process";
import {once} from "node:events";
import {promisify} from "node:util";

const [site, runs = 5] = process.argv.slice(2);
const lighthouse = new URL("node_modules/.bin/lighthouse", import.meta.url).pathname;
const server = spawn("python3", ["-m", "http.server", "0", "--bind", "127.0.0.1", "-d", site],
                     {stdio: ["ignore", "pipe", "ignore"]});
const [line] = await once(server.stdout, "data");
const origin = `http://127.0.0.1:${/port (\d+)/.exec(line.toString())[1]}/`;
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

const forms = [
  ["mobile", [], "performance >= 90, blocking <= 150 ms, shift <= 0.02"],
  ["desktop", ["--preset=desktop"], "performance >= 98"],
];
try {
  for (const [form, flags, goal] of forms) {
    const reports = [];
    for (let i = 0; i < runs; ++i) {
      const {stdout} = await promisify(execFile)(lighthouse, [
        origin, "--quiet", "--output=json", "--output-path=stdout", ...flags,
        "--chrome-flags=--headless=new --no-sandbox",
      ], {env: {...process.env, CHROME_PATH: "/usr/bin/chromium"}, maxBuffer: 1 << 28});
      reports.push(JSON.parse(stdout));
    }
    const score = (id) => median(reports.map((r) => Math.round(r.categories[id].score * 100)));
    const audit = (id) => median(reports.map((r) => r.audits[id].numericValue));
    console.log(`Lighthouse ${reports[0].lighthouseVersion}, ${form}, median of ${runs} cold visits ` +
                `(goal: ${goal}; the other categories 100):`);
    console.log(`  performance ${score("performance")} (each run: ${
      reports.map((r) => Math.round(r.categories.performance.score * 100)).join(", ")}), ` +
                `accessibility ${score("accessibility")}, best practices ${score("best-practices")}, ` +
                `SEO ${score("seo")}`);
    console.log(`  total blocking time ${audit("total-blocking-time").toFixed(0)} ms, ` +
                `largest paint ${(audit("largest-contentful-paint") / 1000).toFixed(2)} s, ` +
                `layout shift ${audit("cumulative-layout-shift").toFixed(3)}`);
  }
} finally {
  server.kill();
}
