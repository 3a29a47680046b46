// The page's edge: the browser's elements behind the dialog's control
// interfaces. The dialog logic runs in WebAssembly (lexiquarium.js); this
// script hands it the page's events and does what it asks through `page`,
// drawing only the visible rows of the result list.
"use strict";

const $ = (id) => document.getElementById(id);
const word = $("word");
const historyList = $("history");
const results = $("results");
const spacer = $("spacer");
const BUNDLED = "LexiquariumWords.txt";
// How common the bundled list's words are; the near search reads it from the
// module's current folder when it first runs, and goes without it if it is missing.
const COMMON = "LexiquariumCommon.txt";
const MAX_SCROLL = 15e6;  // pixels a browser lets an element be tall, with room to spare
const STEP_MS = 4;        // the longest the page is kept from the user while a list loads
const COPY_PIECE = 1 << 18;  // bytes of a list copied at a time: about a millisecond

let lexi = null;          // the WebAssembly module, once it runs
let ready = false;        // a list is in use, or none could be had: searches run
let goWaiting = false;    // Go pressed before then: the search runs once ready
// The mode's box as the address or the user set it before then, which the
// dialog's start would otherwise set from storage.
let earlyMode = null;
let resultCount = 0;      // the rows shown
let historyCount = 0;     // the history's items shown in the drop-down
let rowHeight = 24;
let historyOpen = false;
let historyActive = -1;
let drawn = {first: 0, last: 0, rows: new Map()};
// The list's offset the keyboard last scrolled to, and the scroll position that
// stands for it (see listOffset).
let pinned = {scrollTop: -1, offset: 0};
const utf16 = new TextDecoder("utf-16le");

// What the dialog logic calls (ui/web/page_main.cpp).
const page = {
  text16: (pointer, length) =>
    utf16.decode(lexi.HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length)),
  // Copies `text` into WebAssembly memory as UTF-16, or, when the module has no
  // memory left for it, says so and gives 0; the caller frees it.
  toMemory(text) {
    const pointer = lexi._malloc(text.length * 2 + 2);
    if (!pointer) {
      page.message("The page has no memory left for the text typed. Close other tabs, " +
                   "or open a smaller word list.", "Lexiquarium Error", true);
      return 0;
    }
    for (let i = 0; i < text.length; ++i) lexi.HEAPU16[(pointer >> 1) + i] = text.charCodeAt(i);
    return pointer;
  },
  setWord(text) { word.value = text; },
  // The items are drawn, from the module, when the drop-down opens.
  historyChanged(count) { historyCount = count; },
  selectWord() { word.select(); word.scrollLeft = 0; },
  focusWord() { word.focus(); },
  resultsChanged(count) {
    resultCount = count;
    results.scrollTop = 0;
    pinned = {scrollTop: -1, offset: 0};
    spacer.style.height = Math.min(count * rowHeight, MAX_SCROLL) + "px";
    $("line").textContent = "";
    drawRows(true);
  },
  enable(id, enabled) { $(id).disabled = !enabled; },
  copy(text) {
    if (!navigator.clipboard) {
      clipboardRefused(text, "this page is not served over HTTPS");
      return;
    }
    navigator.clipboard.writeText(text).then(
      () => page.status(`"${text}" is on the clipboard.`),
      (error) => clipboardRefused(text, error.message || error.name));
  },
  message(text, title, error) {
    const box = $("message");
    box.classList.toggle("warning", !error);
    $("message-title").textContent = title;
    $("message-text").textContent = text;
    box.hidden = false;
  },
  isChecked: (id) => $(id).checked,
  setChecked(id, checked) { $(id).checked = checked; },
  readFlag(name) {
    try {
      const value = localStorage.getItem(name);
      return value === null ? -1 : Number(value === "1");
    } catch {
      return -1;
    }
  },
  writeFlag(name, value) {
    try {
      localStorage.setItem(name, value ? "1" : "0");
    } catch {
      // Storage refused (a private window, say): the choice lasts this visit.
    }
  },
  about() { $("about-box").showModal(); },
  openTab(address) {
    const tab = window.open(address, "_blank");
    if (tab) tab.opener = null;
    return tab !== null;
  },
  status(text) { $("status").textContent = text; },
  listInUse(text) { $("list-in-use").textContent = text; },
};

function clipboardRefused(text, reason) {
  page.message(`The browser did not let the page write "${text}" to the clipboard (${reason}).\n` +
               "Select the word in the line below the list and copy it with Ctrl+C.",
               "Lexiquarium", true);
  const line = $("line");
  const range = document.createRange();
  range.selectNodeContents(line);
  getSelection().removeAllRanges();
  getSelection().addRange(range);
}

// Where the module and the script put a text's length: one slot serves all.
let slot = 0;
const lengthSlot = () => slot ||= lexi._malloc(4);

// A row's text, or a history item's, from the module.
function moduleText(call, index) {
  const pointer = call(index, lengthSlot());
  return page.text16(pointer, lexi.HEAP32[lengthSlot() >> 2]);
}
const lineText = (index) => moduleText(lexi._lexi_line, index);
const historyText = (index) => moduleText(lexi._lexi_history_item, index);
// The module keeps the selection.
const selectedRow = () => (lexi ? lexi._lexi_selected() : -1);

// Calls the module's `call` with `texts` as NUL-ended UTF-8, and `more`.
function withUtf8(call, texts, ...more) {
  const pointers = texts.map((text) => {
    const encoded = new TextEncoder().encode(text + "\0");
    const pointer = lexi._malloc(encoded.length);
    lexi.HEAPU8.set(encoded, pointer);
    return pointer;
  });
  const result = call(...pointers, ...more);
  pointers.forEach(lexi._free);
  return result;
}

// A list taller than a browser lets an element be scrolls a spacer of that
// height: the scroll position's share of the spacer's range stands for the same
// share of the list's, and the rows are drawn a whole row apart from there.
const squeezed = () => resultCount * rowHeight > MAX_SCROLL;
const listRange = () => Math.max(0, resultCount * rowHeight - results.clientHeight);
const scrollRange = () => Math.max(0, MAX_SCROLL - results.clientHeight);

// The list's pixels above the view. A scroll position is whole pixels, each
// more than one of the list's when squeezed: the offset the keyboard asked
// for is kept while the position it set stays, so that the row it showed is
// shown whole.
function listOffset() {
  const top = results.scrollTop;
  if (!squeezed()) return top;
  if (top === pinned.scrollTop) return Math.min(listRange(), pinned.offset);
  const range = scrollRange();
  return range > 0 ? Math.min(listRange(), (top / range) * listRange()) : 0;
}

function scrollToOffset(offset) {
  if (!squeezed()) {
    results.scrollTop = offset;
    return;
  }
  const range = listRange();
  results.scrollTop = range > 0 ? Math.round((offset / range) * scrollRange()) : 0;
  pinned = {scrollTop: results.scrollTop, offset};
}

// Draws the rows in view, and a few around them; rows already drawn are kept,
// so that a click's row is still there for the double-click that follows.
function drawRows(force = false) {
  const offset = listOffset();
  const first = Math.max(0, Math.floor(offset / rowHeight) - 2);
  const last = Math.min(resultCount, first + Math.ceil(results.clientHeight / rowHeight) + 4);
  if (force || first !== drawn.first || last !== drawn.last) {
    const rows = [];
    for (let i = first; i < last; ++i) {
      const row = (!force && drawn.rows.get(i)) || document.createElement("div");
      if (!row.id) {
        row.className = "row";
        row.role = "option";
        row.id = "row-" + i;
        row.dataset.index = i;
        row.ariaSetSize = resultCount;
        row.ariaPosInSet = i + 1;
        row.textContent = lineText(i);
        // A blank line of the guidance still needs a name to be read out.
        if (!row.textContent) row.ariaLabel = "Blank";
      }
      rows.push(row);
    }
    spacer.replaceChildren(...rows);
    drawn = {first, last, rows: new Map(rows.map((row, i) => [first + i, row]))};
  }
  // Unsqueezed, the rows stay where they are and the browser scrolls them;
  // squeezed, every scroll moves them.
  const origin = results.scrollTop - offset;
  const selected = selectedRow();
  for (const [index, row] of drawn.rows) {
    row.style.top = origin + index * rowHeight + "px";
    row.ariaSelected = String(index === selected);
  }
  if (drawn.rows.has(selected)) {
    results.setAttribute("aria-activedescendant", "row-" + selected);
  } else {
    results.removeAttribute("aria-activedescendant");
  }
}

function select(index) {
  if (resultCount === 0) return;
  const selected = Math.max(0, Math.min(resultCount - 1, index));
  lexi._lexi_select(selected);
  // The list joins a meaning's words by no-break spaces; shown whole, the
  // line may wrap between them.
  $("line").textContent = lineText(selected).replaceAll("\u00a0", " ");
  const top = selected * rowHeight;
  const offset = listOffset();
  if (top < offset) scrollToOffset(top);
  else if (top + rowHeight > offset + results.clientHeight) {
    scrollToOffset(top + rowHeight - results.clientHeight);
  }
  drawRows();
}

// `fromAddress` when the address already names the search (the page opened
// on it, or Back or Forward led to it); any other search is added to the
// browser's history, so that Back returns to the query before.
function go(fromAddress = false) {
  closeHistory();
  if (!ready) {
    goWaiting = true;
    page.status("The search runs once the word list is loaded.");
    return;
  }
  $("message").hidden = true;
  page.status("");
  // A query the module has no memory for is not searched: the results stay.
  const typed = page.toMemory(word.value);
  if (!typed) return;
  lexi._lexi_go(typed, word.value.length);
  lexi._free(typed);
  if (!fromAddress) {
    const address = searchAddress(word.value, $("closest").checked);
    if (address !== location.search) history.pushState(null, "", address || location.pathname);
  }
}

// "?q=ph*ne", with "&closest=1" when the mode was on; none for an empty field.
function searchAddress(query, closest) {
  if (!query) return "";
  const params = new URLSearchParams({q: query});
  if (closest) params.set("closest", "1");
  return "?" + params;
}

// Puts the search the address names into the field and the mode's box.
function takeAddress() {
  const params = new URLSearchParams(location.search);
  if (!params.has("q")) return false;
  word.value = params.get("q");
  earlyMode = {checked: params.get("closest") === "1", byUser: false};
  $("closest").checked = earlyMode.checked;
  return true;
}

// The history drop-down, as a combo box's list: Down or Alt+Down opens it,
// the arrows move in it, Enter takes an item, Esc closes it.
function openHistory() {
  if (historyCount === 0) return;
  historyList.replaceChildren(...Array.from({length: historyCount}, (_, i) => {
    const item = document.createElement("li");
    item.role = "option";
    item.id = "history-" + i;
    item.textContent = historyText(i);
    return item;
  }));
  historyOpen = true;
  historyList.hidden = false;
  word.ariaExpanded = "true";
  markHistory(Math.max(0, historyActive));
}

function closeHistory() {
  historyOpen = false;
  historyList.hidden = true;
  word.ariaExpanded = "false";
  word.removeAttribute("aria-activedescendant");
  historyActive = -1;
}

function markHistory(index) {
  const items = historyList.children;
  historyActive = Math.max(0, Math.min(items.length - 1, index));
  for (let i = 0; i < items.length; ++i) items[i].ariaSelected = String(i === historyActive);
  items[historyActive].scrollIntoView({block: "nearest"});
  word.setAttribute("aria-activedescendant", items[historyActive].id);
}

function takeHistory(index) {
  word.value = historyText(index);
  closeHistory();
  word.focus();
  word.select();
}

word.addEventListener("keydown", (event) => {
  if (event.key === "ArrowDown" && !historyOpen) {
    openHistory();
  } else if (historyOpen && (event.key === "ArrowDown" || event.key === "ArrowUp")) {
    markHistory(historyActive + (event.key === "ArrowDown" ? 1 : -1));
  } else if (historyOpen && event.key === "Escape") {
    closeHistory();
  } else if (historyOpen && event.key === "Enter") {
    takeHistory(historyActive);
  } else if (event.key === "Enter") {
    go();
  } else {
    return;
  }
  event.preventDefault();
});

// Folds A to Z as they are typed, as the search folds them.
word.addEventListener("input", () => {
  if (!lexi || !/[A-Z]/.test(word.value)) return;
  const pointer = page.toMemory(word.value);
  if (!pointer) return;
  lexi._lexi_fold(pointer, word.value.length);
  const [start, end] = [word.selectionStart, word.selectionEnd];
  word.value = page.text16(pointer, word.value.length);
  word.setSelectionRange(start, end);
  lexi._free(pointer);
});
// A press on ▾ or on an item leaves the focus in the field, so that the field
// loses it only when the user goes elsewhere.
word.addEventListener("blur", closeHistory);
for (const element of [$("history-button"), historyList]) {
  element.addEventListener("mousedown", (event) => event.preventDefault());
}
$("history-button").addEventListener("click", () => {
  if (historyOpen) closeHistory(); else openHistory();
  word.focus();
});
historyList.addEventListener("click", (event) => {
  const item = event.target.closest("li");
  if (item) takeHistory([...historyList.children].indexOf(item));
});

results.addEventListener("scroll", () => requestAnimationFrame(drawRows));
results.addEventListener("mousedown", (event) => {
  const row = event.target.closest(".row");
  if (row) select(Number(row.dataset.index));
});
// On a line or below the lines alike, as in the dialog.
results.addEventListener("dblclick", () => lexi && lexi._lexi_double_click());
results.addEventListener("keydown", (event) => {
  const pageRows = Math.max(1, Math.floor(results.clientHeight / rowHeight) - 1);
  const selected = selectedRow();
  const moves = {
    ArrowDown: selected + 1, ArrowUp: selected < 0 ? 0 : selected - 1,
    PageDown: selected + pageRows, PageUp: selected - pageRows, Home: 0, End: resultCount - 1,
  };
  if (event.key in moves) {
    select(moves[event.key]);
  } else if (event.key === "Enter") {
    go();
  } else if (event.key === "c" && (event.ctrlKey || event.metaKey) && selected >= 0 &&
             getSelection().isCollapsed) {
    lexi._lexi_copy();
  } else {
    return;
  }
  event.preventDefault();
});
results.addEventListener("focus", () => {
  if (selectedRow() < 0 && resultCount > 0) select(0);
});

$("go").addEventListener("click", () => go());
$("copy").addEventListener("click", () => ready && lexi._lexi_copy());
// The About box is the page's own: it shows while the module still loads.
$("about").addEventListener("click", () => (ready ? lexi._lexi_about() : page.about()));
$("help").addEventListener("click", () => lexi && lexi._lexi_help());
$("closest").addEventListener("change", () => {
  if (ready) lexi._lexi_closest_first();
  else earlyMode = {checked: $("closest").checked, byUser: true};
});
window.addEventListener("popstate", () => {
  if (!takeAddress()) word.value = "";
  if (ready) {
    applyEarlyMode();
    go(true);
  }
});
$("message-ok").addEventListener("click", () => {
  $("message").hidden = true;
  word.focus();
});
$("open-button").addEventListener("click", () => $("open").click());
$("open").addEventListener("change", (event) => {
  if (event.target.files.length > 0) openFile(event.target.files[0]);
  event.target.value = "";
});
document.addEventListener("keydown", (event) => {
  if (event.key === "Escape" && !$("message").hidden) $("message").hidden = true;
  // As in the desktop dialogs, and in place of the browser's own help.
  if (event.key === "F1") {
    event.preventDefault();
    $("help").click();
  }
});
document.addEventListener("dragover", (event) => {
  event.preventDefault();
  document.body.classList.add("dragging");
});
document.addEventListener("dragleave", () => document.body.classList.remove("dragging"));
document.addEventListener("drop", (event) => {
  event.preventDefault();
  document.body.classList.remove("dragging");
  if (event.dataTransfer.files.length > 0) openFile(event.dataTransfer.files[0]);
});

// Makes the file `name`, whose bytes `reading` promises, the list in use: the
// module takes them in its own memory, whose first touch is dear, and then
// makes the list of them. Both go in short steps, the page answering the user
// between them, so that a phone never waits long for it. Lists are made one at
// a time, in the order they were opened, however fast each is read. Gives the
// word field's text as the user left it before the last step, which may start
// the dialog anew.
let opening = Promise.resolve();
function openList(reading, name, usersOwn) {
  const turn = opening.then(async () => {
    let bytes;
    try {
      bytes = await reading;
    } catch (error) {
      cannotRead(name, error instanceof RangeError);
      return word.value;
    }
    const text = lexi._lexi_reserve(bytes.length);
    if (!text) {
      cannotRead(name, true);
      return word.value;
    }
    let copied = 0;
    await inSteps(() => {
      const piece = bytes.subarray(copied, copied + COPY_PIECE);
      lexi.HEAPU8.set(piece, text + copied);
      copied += piece.length;
      return copied < bytes.length;
    });
    let typed = word.value;
    if (withUtf8(lexi._lexi_open, [name], text, bytes.length, usersOwn)) {
      await inSteps(() => {
        typed = word.value;
        return lexi._lexi_open_step();
      });
    }
    return typed;
  });
  opening = turn.catch(() => {});
  return turn;
}

// Calls `step` until it returns false, letting the page answer whenever it has
// been kept for STEP_MS: a phone, four times slower, then still has no task
// long enough to keep a tap waiting.
async function inSteps(step) {
  let began = performance.now();
  while (step()) {
    if (performance.now() - began < STEP_MS) continue;
    await nextTask();
    began = performance.now();
  }
}

// Resolves in a task of its own, after what the browser has waiting: unlike a
// timeout's, a message's task is not held back to 4 ms once they nest.
function nextTask() {
  return new Promise((resolve) => {
    const channel = new MessageChannel();
    channel.port1.onmessage = resolve;
    channel.port2.postMessage(null);
  });
}

const cannotRead = (name, outOfMemory) => withUtf8(lexi._lexi_cannot_read, [name], outOfMemory);

async function openFile(file) {
  // The bundled list, arriving later, would replace it.
  if (!ready) {
    page.status("A list of your own can be opened once the bundled one is loaded.");
    return;
  }
  $("message").hidden = true;
  // The module's memory holds the list in use and the file's copy: a file
  // larger than the room left is refused before it is read.
  if (file.size >= lexi._lexi_memory_limit() - lexi.HEAPU8.length) {
    cannotRead(file.name, true);
    return;
  }
  page.status(`Opening "${file.name}"...`);
  const reading = file.arrayBuffer().then((buffer) => new Uint8Array(buffer));
  await openList(reading, file.name, true);
  page.status("");
}

// The bundled lists travel compressed, and are fetched and unpacked by a
// worker (list_fetch.js), which the page's thread would otherwise wait for;
// each name's answer settles its promise, and `progress` hears the share of
// the compressed file arrived so far. The service worker keeps them unpacked
// too (sw.js), so that a later visit reads them straight from its cache,
// with no worker to start.
let listFetcher = null;
const listsAsked = new Map();

async function fetchBundled(name, progress = () => {}) {
  const unpacked = window.caches && await caches.match(name).catch(() => undefined);
  // As a blob: read whole, not streamed as a response's body would be.
  if (unpacked) return new Uint8Array(await (await unpacked.blob()).arrayBuffer());
  if (!listFetcher) {
    listFetcher = new Worker("list_fetch.js");
    listFetcher.onmessage = ({data}) => {
      const asked = listsAsked.get(data.name);
      if ("progress" in data) asked.progress(data.progress);
      else if (data.bytes) asked.resolve(new Uint8Array(data.bytes));
      else asked.reject(new Error(data.error));
    };
  }
  return new Promise((resolve, reject) => {
    listsAsked.set(name, {resolve, reject, progress});
    listFetcher.postMessage(name);
  });
}

// The dialog's start sets the mode's box from storage: what the address or
// the user chose before then holds, and the user's choice is kept.
function applyEarlyMode() {
  if (!earlyMode) return;
  $("closest").checked = earlyMode.checked;
  if (earlyMode.byUser) lexi._lexi_closest_first();
  earlyMode = null;
}

function measureRow() {
  const probe = document.createElement("div");
  probe.className = "row";
  probe.textContent = "x";
  spacer.append(probe);
  rowHeight = probe.getBoundingClientRect().height || 24;
  probe.remove();
}

// The marks tell the benchmark (bench/web) where the start-up's time goes.
async function start() {
  measureRow();
  // Both fetches start at once; a failure is told below, once the module runs,
  // and is no rejection left unhandled while it loads.
  const bundled = fetchBundled(BUNDLED, (share) => { $("progress").value = share; });
  const common = fetchBundled(COMMON);
  for (const fetching of [bundled, common]) fetching.catch(() => {});
  goWaiting = takeAddress();
  lexi = await createLexiquarium({page});
  performance.mark("lexiquarium-module");
  lexi._lexi_start();
  common.then((bytes) => lexi.FS.writeFile("/" + COMMON, bytes, {canOwn: true}), () => {});
  const fetched = bundled.then((bytes) => {
    performance.mark("lexiquarium-list-fetched");
    return bytes;
  });
  // What the user typed while the list loaded stays in the field.
  const typed = await openList(fetched, BUNDLED, false);
  if (typed) word.value = typed;
  $("progress").hidden = true;
  page.status("");
  ready = true;
  applyEarlyMode();
  if (goWaiting) go(true);
  $("dialog").ariaBusy = "false";
  performance.mark("lexiquarium-ready");
  document.body.dataset.ready = "true";
}

start();
if ("serviceWorker" in navigator) {
  window.addEventListener("load", () => navigator.serviceWorker.register("sw.js"));
}
