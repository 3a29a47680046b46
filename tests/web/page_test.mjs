// The web page in Debian's chromium, driven as a user would: by the keyboard,
// the mouse and files, over a static server on 127.0.0.1.
import assert from "node:assert/strict";
import {spawn} from "node:child_process";
import {once} from "node:events";
import fs from "node:fs";
import {createRequire} from "node:module";
import os from "node:os";
import path from "node:path";
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

test("finds by sound and by pattern, tells what it found, and says when a pattern has too many stars", async () => {
  const page = await openPage();
  const cases = [
    {query: "fone", listed: "phone", told: /^\d+ lines sound like 'fone'\.$/},
    {query: "ph*ne", listed: "phone", told: /^\d+ lines match 'ph\*ne'\.$/},
    {query: "caf?", listed: "café", told: /^3 lines match 'caf\?'\.$/},
    {query: "jazz?", listed: "jazzy", told: /^1 line matches 'jazz\?'\.$/},
    {query: "", listed: "Please", told: /^$/},
    {query: "qqq*", listed: "Nothing", told: /^Nothing was found\.$/},
  ];
  for (const {query, listed, told} of cases) {
    await find(page, query);
    assert.ok((await firstWords(page)).includes(listed), `${query} lists ${listed}`);
    assert.equal(await message(page), "");
    assert.match(await page.textContent("#status"), told);
  }
  await page.check("#closest");
  await find(page, "nite");
  assert.match(await page.textContent("#status"), /^\d+ lines come closest to 'nite'\.$/);
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
  await page.waitForFunction(() => /is in use/.test(document.getElementById("list-in-use").textContent));
  await find(page, "asunci?n");
  assert.deepEqual(await rows(page), ["asunción"]);
  await find(page, "na*");
  assert.deepEqual(await rows(page), ["naïve adj. artless"]);
  assert.equal(await page.textContent("#list-in-use"), "'accents.txt' is in use: 3 lines.", "after searches too");
  // Dropped one after the other, a list long enough to load in many steps and
  // one that is read sooner: the one dropped last is in use.
  await page.evaluate(() => {
    for (const [name, text] of [["long.txt", "lung\n".repeat(500000)], ["short.txt", "shore\nshort\n"]]) {
      const dropped = new DataTransfer();
      dropped.items.add(new File([text], name));
      document.body.dispatchEvent(new DragEvent("drop", {dataTransfer: dropped, bubbles: true}));
    }
    return opening;
  });
  assert.equal(await page.textContent("#list-in-use"), "'short.txt' is in use: 2 lines.");
  await find(page, "sho*");
  assert.deepEqual(await rows(page), ["shore", "short"]);
});

test("a file that is not text is refused, and the list in use is kept", async () => {
  const page = await openPage();
  const cases = [
    {name: "ls", bytes: [0x7f, 0x45, 0x4c, 0x46, 2, 1, 1, 0, 0, 0], refused: true},
    {name: "noise.bin", bytes: Array.from({length: 600}, (_, i) => 1 + (i * 7) % 31), refused: true},
    {name: "bell.txt", bytes: [...Buffer.from("ring\x07 bell\r\npage\f\n")], refused: false},
    {name: "latin1.txt", bytes: [0x63, 0x61, 0x66, 0xe9, 0x0a], refused: false},
  ];
  for (const {name, bytes, refused} of cases) {
    await page.setInputFiles("#open", {name, mimeType: "text/plain", buffer: Buffer.from(bytes)});
    await page.waitForFunction(() => !document.getElementById("message").hidden ||
                               document.getElementById("list-in-use").textContent !== "");
    assert.equal(await message(page) !== "", refused, name);
    if (refused) {
      assert.equal(await page.textContent("#message-text"),
                   `Error: The file '${name}' is not a text file.\n\nThe word list in use is kept.`);
      await page.click("#message-ok");
    } else {
      assert.match(await page.textContent("#list-in-use"), new RegExp(`^'${name}' is in use: \\d+ lines?\\.$`));
      await page.evaluate(() => { document.getElementById("list-in-use").textContent = ""; });
    }
  }
  assert.equal(await page.textContent("#list-in-use"), "");
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
    // Refused lists leave no line of their own: the line is cleared to see that.
    const status = text("list-in-use");
    document.getElementById("list-in-use").textContent = "";
    return box.hidden ? {status}
                      : {status, title: text("message-title"), text: text("message-text"),
                         warning: box.classList.contains("warning")};
  });
  const failed = (text) => ({status: "", title: "Lexiquarium Error", text, warning: false});
  const noList = '\n\nOpen a word list of your own with "Open list".';
  const kept = "\n\nThe word list in use is kept.";
  const cases = [
    [null, failed("Error: Cannot read file 'LexiquariumWords.txt':\nI/O error." + noList)],
    [["gone.txt", "", 10, "NotReadableError"], failed("Error: Cannot read file 'gone.txt':\nI/O error." + noList)],
    [["empty.txt", ""], {status: "'empty.txt' is in use: 0 lines."}],  // with none in use, taken
    [["one.txt", "zoë\n"], {status: "'one.txt' is in use: 1 line."}],
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

test("a query typed while the list loads is kept and run once it is ready, with progress shown", async () => {
  const context = await browser.newContext();
  // The module arrives only once the query has been typed.
  let release;
  const typed = new Promise((resolve) => { release = resolve; });
  await context.route("**/lexiquarium.wasm", async (route) => { await typed; await route.continue(); });
  const page = await context.newPage();
  await page.goto(origin);
  assert.equal(await page.textContent("#status"), "Loading the word list…");
  assert.equal(await page.isVisible("#progress"), true);
  await find(page, "fone");
  assert.equal(await page.textContent("#status"), "The search runs once the word list is loaded.");
  release();
  await page.waitForSelector("body[data-ready=true]");
  assert.equal(await page.inputValue("#word"), "fone");
  assert.ok((await firstWords(page)).includes("phone"));
  assert.match(await page.textContent("#status"), /sound like 'fone'/);
  assert.equal(await page.isVisible("#progress"), false);
  await context.close();
});

test("the address holds the search: it opens on it, and Back returns to the one before", async () => {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(origin + "?q=ph*ne");
  await page.waitForSelector("body[data-ready=true]");
  const shown = async () => ({word: await page.inputValue("#word"), closest: await page.isChecked("#closest"),
                              status: await page.textContent("#status"), address: new URL(page.url()).search});
  assert.deepEqual(await shown(), {word: "ph*ne", closest: false, status: (await shown()).status, address: "?q=ph*ne"});
  assert.match((await shown()).status, /match 'ph\*ne'/);
  await page.check("#closest");
  await find(page, "nite");
  assert.equal((await shown()).address, "?q=nite&closest=1");
  await page.uncheck("#closest");
  await find(page, "kat");
  const steps = [
    [() => page.goBack(), {word: "nite", closest: true, address: "?q=nite&closest=1"}, /closest to 'nite'/],
    [() => page.goBack(), {word: "ph*ne", closest: false, address: "?q=ph*ne"}, /match 'ph\*ne'/],
    [() => page.goForward(), {word: "nite", closest: true, address: "?q=nite&closest=1"}, /closest to 'nite'/],
  ];
  for (const [step, expected, told] of steps) {
    await step();
    await page.waitForFunction((word) => document.getElementById("word").value === word, expected.word);
    const now = await shown();
    assert.match(now.status, told);
    delete now.status;
    assert.deepEqual(now, expected);
  }
  await context.close();
});

test("on a phone the list takes the height the buttons do not need", async () => {
  const context = await browser.newContext({viewport: {width: 390, height: 844}, hasTouch: true, isMobile: true});
  const page = await openPage(context);
  await find(page, "qqq*");
  const box = (selector) => page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
  const [go, results] = [await box("#go"), await box("#results")];
  assert.ok(go.height < 60, `Go is ${go.height} px tall`);
  assert.ok(results.height > 400, `the list is ${results.height} px tall`);
  await context.close();
});

test("a wide window gives the lines its width", async () => {
  const context = await browser.newContext({viewport: {width: 1280, height: 800}});
  const page = await openPage(context);
  const width = await page.$eval("#results", (element) => element.getBoundingClientRect().width);
  assert.ok(width > 1000, `the list is ${width} px wide`);
  await context.close();
});

test("F1 opens the help page, which follows a dark scheme", async () => {
  const context = await browser.newContext({colorScheme: "dark"});
  const page = await openPage(context);
  const [help] = await Promise.all([context.waitForEvent("page"), page.keyboard.press("F1")]);
  await help.waitForLoadState();
  assert.match(help.url(), /Lexiquarium\.html$/);
  const background = await help.evaluate(() => getComputedStyle(document.body).backgroundColor);
  const brightness = background.match(/\d+/g).slice(0, 3).reduce((sum, value) => sum + Number(value), 0);
  assert.ok(brightness < 150, `the help page's background is ${background}`);
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

// A server that lets the browser keep every file for a year, as a host may.
const KEEP_FOR_A_YEAR = `
import functools, http.server, sys
class Handler(http.server.SimpleHTTPRequestHandler):
    def end_headers(self):
        self.send_header("Cache-Control", "max-age=31536000")
        super().end_headers()
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=sys.argv[1]))
print(server.server_address[1], flush=True)
server.serve_forever()`;

test("a new site takes over from the old one, though the browser may keep the old files a year", async () => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "lexi-site-"));
  fs.cpSync(site, folder, {recursive: true});
  const server = spawn("python3", ["-c", KEEP_FOR_A_YEAR, folder], {stdio: ["ignore", "pipe", "ignore"]});
  const context = await browser.newContext();
  try {
    const [port] = await once(server.stdout, "data");
    const page = await context.newPage();
    await page.goto(`http://127.0.0.1:${Number(port)}/`);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    // The next release: a changed style, and so a new worker with a new cache,
    // its files newer than the ones they replace.
    fs.appendFileSync(path.join(folder, "page.css"), "body { --release: 2; }\n");
    const worker = path.join(folder, "sw.js");
    fs.writeFileSync(worker, fs.readFileSync(worker, "utf8")
      .replace(/const CACHE = ".*";/, 'const CACHE = "lexiquarium-next";'));
    const later = new Date(Date.now() + 10000);
    for (const file of ["page.css", "sw.js"]) fs.utimesSync(path.join(folder, file), later, later);
    await page.evaluate(async () => {
      const taken = new Promise((done) =>
        navigator.serviceWorker.addEventListener("controllerchange", done, {once: true}));
      await (await navigator.serviceWorker.getRegistration()).update();
      await taken;
    });
    await page.reload();
    await page.waitForSelector("body[data-ready=true]");
    assert.deepEqual(await page.evaluate(async () => [
      await caches.keys(), getComputedStyle(document.body).getPropertyValue("--release").trim(),
    ]), [["lexiquarium-next"], "2"]);
  } finally {
    await context.close();
    server.kill();
    fs.rmSync(folder, {recursive: true});
  }
});

// Where the drawn rows are, in the list's visible box, sorted top to bottom.
const drawnRows = (page) => page.evaluate(() => {
  const results = document.getElementById("results");
  const box = results.getBoundingClientRect();
  const top = box.top + results.clientTop;
  const rows = [...document.querySelectorAll(".row")].map((row) => {
    const {top: rowTop, bottom} = row.getBoundingClientRect();
    return {index: Number(row.dataset.index), text: row.textContent, top: rowTop, bottom,
            selected: row.ariaSelected === "true"};
  }).sort((a, b) => a.top - b.top);
  return {rows, top, bottom: top + results.clientHeight};
});
const nextFrame = (page) =>
  page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

test("a list of any length is drawn a whole row apart, and every row can be reached", async () => {
  const page = await openPage();
  const scrollTo = (share) => page.evaluate((share) => {
    const results = document.getElementById("results");
    results.scrollTop = share * (results.scrollHeight - results.clientHeight);
  }, share);
  const view = () => page.evaluate(() => ({rowHeight, height: document.getElementById("results").clientHeight}));
  const pageRows = async () => {
    const {rowHeight, height} = await view();
    return Math.floor(height / rowHeight) - 1;
  };
  // Each step names the row it must show whole, and the edge of the box it must
  // be at, if any. A click in the middle of the box picks the row the keys then
  // move from: the row as far through the list as the scroll bar is through its
  // range. The scroll positions the keys reach, and so how far a position that
  // stands for them might be off, change with where they start: three starts.
  let count = 0;
  let picked = 0;
  const steps = [
    ["End", () => page.keyboard.press("End"), () => count - 1, "bottom"],
    ["Home", () => page.keyboard.press("Home"), () => 0, "top"],
    ["the scroll bar at the bottom", () => scrollTo(1), () => count - 1, "bottom"],
    ...[0.3, 0.5, 0.7].flatMap((share) => [
      [`the scroll bar at ${share}, a click`, async () => {
        await scrollTo(share);
        await nextFrame(page);
        const {top, bottom} = await drawnRows(page);
        const box = await page.locator("#results").boundingBox();
        await page.mouse.click(box.x + box.width / 2, (top + bottom) / 2);
        picked = await page.evaluate(() => selectedRow());
        const {rowHeight, height} = await view();
        const middle = Math.floor((share * (count * rowHeight - height) + height / 2) / rowHeight);
        assert.ok(Math.abs(picked - middle) <= 1, `row ${picked} of ${count} at ${share}, not ${middle}`);
      }, () => picked, null],
      ["PageDown", () => page.keyboard.press("PageDown"), async () => picked + await pageRows(), "bottom"],
      ["PageUp twice", async () => {
        await page.keyboard.press("PageUp");
        await page.keyboard.press("PageUp");
      }, async () => picked - await pageRows(), "top"],
      ["ArrowUp", () => page.keyboard.press("ArrowUp"), async () => picked - await pageRows() - 1, "top"],
    ]),
  ];
  // The bundled list fits under the height a browser lets an element be; a
  // million rows do not.
  const lists = [
    ["bundled", async () => {}],
    ["a million", async () => {
      await page.evaluate(() => openFile(new File(
        [Array.from({length: 1e6}, (_, i) => `w${String(i).padStart(7, "0")}\n`).join("")], "million.txt")));
      await page.waitForFunction(() => /is in use/.test(document.getElementById("list-in-use").textContent),
                                 null, {timeout: 60000});
    }],
  ];
  for (const [list, open] of lists) {
    await open();
    await find(page, "*");
    count = await page.$eval(".row", (row) => Number(row.ariaSetSize));
    await page.focus("#results");
    for (const [step, act, expectedRow, edge] of steps) {
      const what = `${list}, ${step}`;
      await act();
      await nextFrame(page);
      const row = await expectedRow();
      const {rows, top, bottom} = await drawnRows(page);
      for (const [i, drawn] of rows.entries()) {
        if (list === "a million") assert.equal(drawn.text, `w${String(drawn.index).padStart(7, "0")}`, what);
        if (i === 0) continue;
        assert.equal(drawn.index, rows[i - 1].index + 1, `${what}: rows in order`);
        assert.ok(Math.abs(drawn.top - rows[i - 1].bottom) < 0.1, `${what}: row ${drawn.index} starts where the one above ends`);
      }
      assert.ok(rows[0].top <= top + 0.1 && rows.at(-1).bottom >= bottom - 0.1, `${what}: rows fill the box`);
      const shown = rows.find((drawn) => drawn.index === row);
      assert.ok(shown && shown.top >= top - 0.1 && shown.bottom <= bottom + 0.1, `${what}: row ${row} whole in view`);
      if (edge) assert.ok(Math.abs(shown[edge] - (edge === "top" ? top : bottom)) < 0.1, `${what}: row ${row} at the ${edge}`);
    }
  }
  assert.deepEqual(page.errors, []);
});

test("an accessibility audit finds nothing in any state the page reaches", async () => {
  const page = await openPage();
  await page.addScriptTag({path: require.resolve("axe-core")});
  const states = [
    ["started", async () => {}],
    ["guidance after Go with an empty field", () => find(page, "")],
    ["results with a row selected", async () => { await find(page, "fone"); await page.press("#results", "End"); }],
    ["a message", () => find(page, "a*b*c*d*e*f*g*h*i*j")],
    ["the history open", () => page.press("#word", "ArrowDown")],
    ["the About box", async () => { await page.keyboard.press("Escape"); await page.click("#about"); }],
  ];
  for (const [state, reach] of states) {
    await reach();
    const violations = await page.evaluate(async () => (await axe.run()).violations);
    assert.deepEqual(violations.map((v) => `${v.id} (${v.impact}): ${v.help}`), [], state);
  }
  assert.equal(await page.getByRole("button", {name: /Open list/}).count(), 1);
});
