// Takes the README's screenshots of the web page after a search for "fone" on
// the bundled list, "phone" selected, in the light and the dark scheme, and on
// a phone's screen: docs/screenshot-web.png, docs/screenshot-web-dark.png and
// docs/screenshot-web-phone.png. Uses Debian's chromium, headless.
// Usage: node docs/take-web-screenshots.mjs [SITE_DIR]   (default: build-web/site)
import {spawn} from "node:child_process";
import {once} from "node:events";
import {createRequire} from "node:module";

const require = createRequire(new URL("../tests/web/package.json", import.meta.url));
const {chromium} = require("playwright-core");
const site = process.argv[2] ?? "build-web/site";
const docs = new URL(".", import.meta.url).pathname;

const server = spawn("python3", ["-m", "http.server", "0", "--bind", "127.0.0.1", "-d", site],
                     {stdio: ["ignore", "pipe", "ignore"]});
const [line] = await once(server.stdout, "data");
const origin = `http://127.0.0.1:${/port (\d+)/.exec(line.toString())[1]}/`;
const browser = await chromium.launch({executablePath: "/usr/bin/chromium"});
const shots = [
  ["screenshot-web.png", {colorScheme: "light", viewport: {width: 820, height: 520}}],
  ["screenshot-web-dark.png", {colorScheme: "dark", viewport: {width: 820, height: 520}}],
  ["screenshot-web-phone.png",
   {colorScheme: "light", viewport: {width: 360, height: 640}, deviceScaleFactor: 1, isMobile: true}],
];
try {
  for (const [file, options] of shots) {
    const context = await browser.newContext(options);
    const page = await context.newPage();
    await page.goto(origin);
    await page.waitForSelector("body[data-ready=true]");
    await page.fill("#word", "fone");
    await page.press("#word", "Enter");
    const index = await page.evaluate(() => {
      for (let i = 0; i < 100; ++i) if (lineText(i).startsWith("phone ")) return i;
      return 0;
    });
    await page.focus("#results");
    for (let i = 0; i < index; ++i) await page.keyboard.press("ArrowDown");
    await page.screenshot({path: docs + file});
    await context.close();
  }
} finally {
  await browser.close();
  server.kill();
}
