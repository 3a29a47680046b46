#include "ui/web/web_controls.h"

#include <emscripten/emscripten.h>

#include <cerrno>

// Each call below is one step of the page's script, which keeps its elements
// and its helpers under Module.page. Text arrives as UTF-16 code units
// (pointer, count) or, for the program's own texts, as NUL-ended UTF-8.

EM_JS(void, js_set_word, (const char16_t* text, int length),
      { Module.page.setWord(Module.page.text16(text, length)); });
EM_JS(void, js_history_changed, (int count), { Module.page.historyChanged(count); });
EM_JS(void, js_select_word, (), { Module.page.selectWord(); });
EM_JS(void, js_focus_word, (), { Module.page.focusWord(); });
EM_JS(void, js_results_changed, (int count), { Module.page.resultsChanged(count); });
EM_JS(void, js_enable, (const char* id, bool enabled),
      { Module.page.enable(UTF8ToString(id), enabled); });
EM_JS(void, js_copy, (const char16_t* text, int length),
      { Module.page.copy(Module.page.text16(text, length)); });
EM_JS(void, js_message, (const char* text, const char* title, bool error),
      { Module.page.message(UTF8ToString(text), UTF8ToString(title), error); });
EM_JS(bool, js_is_checked, (const char* id), { return Module.page.isChecked(UTF8ToString(id)); });
EM_JS(void, js_set_checked, (const char* id, bool checked),
      { Module.page.setChecked(UTF8ToString(id), checked); });
EM_JS(int, js_read_flag, (const char* name), { return Module.page.readFlag(UTF8ToString(name)); });
EM_JS(void, js_write_flag, (const char* name, bool value),
      { Module.page.writeFlag(UTF8ToString(name), value); });
EM_JS(void, js_about, (), { Module.page.about(); });
EM_JS(bool, js_open_tab, (const char* address),
      { return Module.page.openTab(UTF8ToString(address)); });
EM_JS(void, js_status, (const char* text), { Module.page.status(UTF8ToString(text)); });

namespace lexi {

namespace {

void sendText(void (*send)(const char16_t*, int), const std::u16string& text) {
  send(text.data(), static_cast<int>(text.size()));
}

}  // namespace

void PageView::status(const std::string& text) {
  js_status(text.c_str());
}

void PageView::setWordText(std::string_view text) {
  sendText(js_set_word, codec_.toUtf16(text));
}

void PageView::showHistory(const std::vector<std::string>& items) {
  js_history_changed(static_cast<int>(items.size()));
}

void PageView::selectWord() {
  js_select_word();
}

void PageView::focusWord() {
  js_focus_word();
}

bool PageView::showRows(int count) {
  js_results_changed(count);
  return true;
}

void PageView::enable(Command command, bool enabled) {
  js_enable(command == Command::kGo ? "go" : "copy", enabled);
}

void PageView::copyText(std::string_view text) {
  sendText(js_copy, codec_.toUtf16(text));
}

bool PageView::closestFirst() const {
  return js_is_checked("closest");
}

void PageView::setClosestFirst(bool checked) {
  js_set_checked("closest", checked);
}

void PageView::runAbout() {
  js_about();
}

void PageView::show(const std::string& text, const std::string& title, MessageIcon icon) {
  js_message(text.c_str(), title.c_str(), icon == MessageIcon::kError);
}

bool PageView::readFlag(std::string_view name, bool fallback) const {
  const int stored = js_read_flag(std::string(name).c_str());
  return stored < 0 ? fallback : stored != 0;
}

void PageView::writeFlag(std::string_view name, bool value) {
  js_write_flag(std::string(name).c_str(), value);
}

int PageView::start(const char* /*program*/, const char* argument) {
  return js_open_tab(argument) ? 0 : EPERM;
}

}  // namespace lexi
