// The web page in Debian's chromium, driven as a user would: by the keyboard,
// the mouse and files, over a static server on 127.0.0.1.
import assert from "node:assert/strict";
import {spawn} from "node:child_process";
import {once} from "node:events";
import {createRequire} from "node:module";
import {after, before, test} from "node:test";

const require = createRequire(import.meta.url);
const {chromium} = require("playwright-core");
const site = process.env.LEXI_SITE;
let server;
let origin;
let browser;

before(async () => {
  server = spawn("python3", ["-m", "http.server", "0", "--bind", "127.0.0.1", "-d", site],
                 {stdio: ["ignore", "pipe", "ignore"]});
  const [line] = await once(server.stdout, "data");
  origin = `http://127.0.0.1:${/port (\d+)/.exec(line.toString())[1]}/`;
  browser = await chromium.launch({executablePath: "/usr/bin/chromium"});
});

after(async () => {
  await browser?.close();
  server?.kill();
});

async function openPage(context) {
  const page = await (context ?? await browser.newContext()).newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  await page.goto(origin);
  await page.waitForSelector("body[data-ready=true]");
  page.errors = errors;
  return page;
}

async function find(page, query) {
  await page.fill("#word", query);
  await page.press("#word", "Enter");
}

const rows = (page) => page.$$eval(".row", (all) => all.map((row) => row.textContent));
const firstWords = async (page) => (await rows(page)).map((line) => line.split(" ")[0]);
const message = (page) => page.$eval("#message", (box) => box.hidden ? "" : box.textContent);

test("shows its labels and their access keys before its module has run", async () => {
  const page = await (await browser.newContext()).newPage();
  await page.route("**/lexiquarium.js", (route) => route.abort());
  await page.goto(origin);
  const labels = await page.$$eval("[accesskey]", (all) => all.map((element) =>
    `${element.labels?.[0]?.textContent.trim() ?? element.textContent} ${element.accessKey}`));
  assert.deepEqual(labels, ["Go g", "Copy c", "About a", "Help h", "Closest first l"]);
  assert.equal(await page.textContent("#prompt"), "Type a word with or without wild cards (* and ?)");
});

test("finds by sound and by pattern, and says when a pattern has too many stars", async () => {
  const page = await openPage();
  const cases = [
    {query: "fone", listed: "phone"},
    {query: "ph*ne", listed: "phone"},
    {query: "caf?", listed: "café"},
    {query: "", listed: "Please"},
  ];
  for (const {query, listed} of cases) {
    await find(page, query);
    assert.ok((await firstWords(page)).includes(listed), `${query} lists ${listed}`);
    assert.equal(await message(page), "");
  }
  await find(page, "a*b*c*d*e*f*g*h*i*j");
  assert.match(await message(page), /Too many \*/);
  assert.equal(await page.evaluate(() => document.activeElement.id), "word");
  await page.click("#about");
  assert.match(await page.textContent("dialog[open]"), /About Lexiquarium\s*Lexiquarium Version \d+\.\d+/);
  await page.keyboard.press("Enter");
  assert.equal(await page.$("dialog[open]"), null);
  assert.deepEqual(page.errors, []);
});

test("keeps twenty queries, newest first, in a drop-down the keyboard opens", async () => {
  const page = await openPage();
  for (let i = 0; i < 22; ++i) await find(page, `q${i}`);
  await find(page, "Q3");
  await page.fill("#word", "");
  await page.press("#word", "ArrowDown");
  const history = await page.$$eval("#history li", (items) => items.map((item) => item.textContent));
  assert.equal(history.length, 20);
  assert.deepEqual(history.slice(0, 3), ["q3", "q21", "q20"]);
  await page.press("#word", "ArrowDown");
  await page.press("#word", "Enter");
  assert.equal(await page.inputValue("#word"), "q21");
  assert.equal(await page.isHidden("#history"), true);
  // After Enter the focus is in the field: ▾ opens the list, and it stays open.
  await find(page, "q5");
  await page.click("#history-button");
  await page.waitForTimeout(400);
  assert.equal(await page.isVisible("#history"), true);
  await page.click("#history li >> nth=1");
  assert.equal(await page.inputValue("#word"), "q3");
  assert.equal(await page.evaluate(() => document.activeElement.id), "word");
});

test("a query the module has no memory for is told, and the results stay", async () => {
  const page = await openPage();
  await find(page, "fone");
  const before = await rows(page);
  await page.evaluate(() => { lexi.realMalloc = lexi._malloc; lexi._malloc = () => 0; });
  await find(page, "CAT");
  await page.evaluate(() => { lexi._malloc = lexi.realMalloc; });
  assert.match(await message(page), /no memory left for the text typed/);
  assert.deepEqual(await rows(page), before);
  assert.equal(await page.inputValue("#word"), "CAT", "unfolded, but whole");
  assert.deepEqual(page.errors, []);
});

test("the keyboard alone reaches Copy, which puts the first word on the clipboard", async () => {
  const context = await browser.newContext({permissions: ["clipboard-read", "clipboard-write"]});
  const page = await openPage(context);
  await page.keyboard.type("fone");
  await page.keyboard.press("Enter");
  await page.keyboard.press("Tab");
  assert.equal(await page.evaluate(() => document.activeElement.id), "results");
  const words = await firstWords(page);
  for (let i = 0; i < words.indexOf("phone"); ++i) await page.keyboard.press("ArrowDown");
  assert.match(await page.textContent("#line"), /^phone n\./);
  for (const id of ["go", "copy"]) {
    await page.keyboard.press("Tab");
    assert.equal(await page.evaluate(() => document.activeElement.id), id);
  }
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => document.getElementById("status").textContent !== "");
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), "phone");
  await page.keyboard.press("Shift+Tab");
  await page.keyboard.press("Shift+Tab");
  await page.keyboard.press("Home");
  await page.dblclick(".row[data-index='0']");
  await page.waitForFunction(() => navigator.clipboard.readText().then((text) => text !== "phone"));
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), words[0]);
  await context.close();
});

test("a list opened or dropped replaces the bundled one; one that cannot be read does not", async () => {
  const page = await openPage();
  const open = (name, text) =>
    page.setInputFiles("#open", {name, mimeType: "text/plain", buffer: Buffer.from(text, "utf8")});
  // Files the browser cannot hand over stand in for a disk that fails.
  const refused = (name, size, error) => page.evaluate(([name, size, error]) => openFile({
    name, size, arrayBuffer: () => Promise.reject(new DOMException("refused", error)),
  }), [name, size, error]);
  const cases = [
    [() => open("empty.txt", ""), /^Error: The file 'empty\.txt' holds no lines\.\s*The word list in use is kept\.$/],
    [() => refused("gone.txt", 10, "NotReadableError"), /^Error: Cannot read file 'gone\.txt':\s*I\/O error\.\s*The word list in use is kept\.$/],
    [() => refused("huge.txt", 3e9, "NotReadableError"), /^Error: Cannot read file 'huge\.txt':\s*Out of memory\.\s*The word list in use is kept\.$/],
  ];
  for (const [openIt, said] of cases) {
    await openIt();
    await page.waitForSelector("#message:not([hidden])");
    assert.match(await page.textContent("#message-text"), said);
    await find(page, "fone");
    assert.ok((await firstWords(page)).includes("phone"));
  }
  await page.evaluate(() => {
    const dropped = new DataTransfer();
    dropped.items.add(new File(["naïve adj. artless\nasunción\nzoë\n"], "accents.txt"));
    document.body.dispatchEvent(new DragEvent("drop", {dataTransfer: dropped, bubbles: true}));
  });
  await page.waitForFunction(() => /is in use/.test(document.getElementById("status").textContent));
  assert.match(await page.textContent("#status"), /'accents\.txt' is in use: 3 lines\./);
  await find(page, "asunci?n");
  assert.deepEqual(await rows(page), ["asunción"]);
  await find(page, "na*");
  assert.deepEqual(await rows(page), ["naïve adj. artless"]);
});

test("the load messages say exactly what became of the list, with none in use and with one", async () => {
  const context = await browser.newContext();
  await context.route("**/LexiquariumWords.txt*", (route) => route.fulfill({status: 404}));
  // The list's failure arrives while the module still loads: it must wait, not go unhandled.
  await context.route("**/lexiquarium.wasm", (route) => setTimeout(() => route.continue(), 500));
  const page = await openPage(context);
  const open = (name, text, size, error) => page.evaluate(([name, text, size, error]) => openFile(
    error ? {name, size, arrayBuffer: () => Promise.reject(new DOMException("refused", error))}
          : new File([text], name)), [name, text, size, error]);
  const shown = () => page.evaluate(() => {
    const text = (id) => document.getElementById(id).textContent;
    const box = document.getElementById("message");
    return box.hidden ? {status: text("status")}
                      : {status: text("status"), title: text("message-title"), text: text("message-text"),
                         warning: box.classList.contains("warning")};
  });
  const failed = (text) => ({status: "", title: "Lexiquarium Error", text, warning: false});
  const noList = '\n\nOpen a word list of your own with "Open list".';
  const kept = "\n\nThe word list in use is kept.";
  const cases = [
    [null, failed("Error: Cannot read file 'LexiquariumWords.txt':\nI/O error." + noList)],
    [["gone.txt", "", 10, "NotReadableError"], failed("Error: Cannot read file 'gone.txt':\nI/O error." + noList)],
    [["empty.txt", ""], {status: "'empty.txt' is in use: 0 lines."}],  // with none in use, taken
    [["accents.txt", "naïve\nzoë\n"], {status: "'accents.txt' is in use: 2 lines."}],
    [["empty.txt", ""], failed("Error: The file 'empty.txt' holds no lines." + kept)],
    [["gone.txt", "", 10, "NotReadableError"], failed("Error: Cannot read file 'gone.txt':\nI/O error." + kept)],
    [["huge.txt", "", 3e9, "NotReadableError"], failed("Error: Cannot read file 'huge.txt':\nOut of memory." + kept)],
  ];
  for (const [file, expected] of cases) {
    if (file) await open(...file);
    assert.deepEqual(await shown(), expected, file?.[0]);
  }
  await find(page, "zo?");
  assert.deepEqual(await rows(page), ["zoë"]);
  assert.deepEqual(page.errors, []);
  await context.close();
});

test("the closest first mode is remembered by the browser", async () => {
  const context = await browser.newContext();
  let page = await openPage(context);
  await page.check("#closest");
  await find(page, "fone");
  assert.equal((await firstWords(page))[0], "phone");
  await page.reload();
  await page.waitForSelector("body[data-ready=true]");
  assert.equal(await page.isChecked("#closest"), true);
  await context.close();
});

test("after the first visit the page works with no network", async () => {
  const context = await browser.newContext();
  const page = await openPage(context);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector("body[data-ready=true]");
  await find(page, "fone");
  assert.ok((await firstWords(page)).includes("phone"));
  await context.close();
});

test("an accessibility audit finds nothing serious", async () => {
  const page = await openPage();
  await find(page, "a*b*c*d*e*f*g*h*i*j");
  await page.addScriptTag({path: require.resolve("axe-core")});
  const violations = await page.evaluate(async () => (await axe.run()).violations);
  const serious = violations.filter((v) => v.impact === "serious" || v.impact === "critical");
  assert.deepEqual(serious.map((v) => `${v.id}: ${v.help}`), []);
});
