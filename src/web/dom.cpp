// SPDX-License-Identifier: MIT
#include "web/dom.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

// Texts cross as UTF-8 bytes and their count.
EM_JS(int, js_value_size, (const char* id),
      { return lengthBytesUTF8(document.getElementById(UTF8ToString(id)).value); });
EM_JS(void, js_copy_value, (const char* id, char* out, int room),
      { stringToUTF8(document.getElementById(UTF8ToString(id)).value, out, room); });
EM_JS(void, js_set_value, (const char* id, const char* text, int size),
      { document.getElementById(UTF8ToString(id)).value = UTF8ToString(text, size); });
EM_JS(int, js_selection_start, (const char* id),
      { return document.getElementById(UTF8ToString(id)).selectionStart; });
EM_JS(int, js_selection_end, (const char* id),
      { return document.getElementById(UTF8ToString(id)).selectionEnd; });
EM_JS(void, js_set_selection, (const char* id, int start, int end),
      { document.getElementById(UTF8ToString(id)).setSelectionRange(start, end); });
EM_JS(int, js_enabled, (const char* id), {
    const element = document.getElementById(UTF8ToString(id));
    return 'disabled' in element ? !element.disabled : !element.classList.contains('disabled');
});
EM_JS(void, js_set_enabled, (const char* id, int enabled), {
    const element = document.getElementById(UTF8ToString(id));
    if ('disabled' in element) {
        element.disabled = !enabled;
    } else {
        element.classList.toggle('disabled', !enabled);
    }
});
EM_JS(int, js_selected_index, (const char* id),
      { return document.getElementById(UTF8ToString(id)).selectedIndex; });
// An option without a value of its own has its text as its value.
EM_JS(void, js_add_option, (const char* id, const char* text, int size),
      { document.getElementById(UTF8ToString(id)).add(new Option(UTF8ToString(text, size))); });
EM_JS(void, js_set_text, (const char* id, const char* text, int size),
      { document.getElementById(UTF8ToString(id)).textContent = UTF8ToString(text, size); });

namespace isr::dom {

namespace {

int Size(std::string_view text) {
    return static_cast<int>(text.size());
}

}  // namespace

std::string Value(const char* id) {
    std::string value(static_cast<std::size_t>(js_value_size(id)), '\0');
    js_copy_value(id, value.data(), Size(value) + 1);  // the terminating zero fits the string
    return value;
}

void SetValue(const char* id, std::string_view text) {
    js_set_value(id, text.data(), Size(text));
}

int SelectionStart(const char* id) {
    return js_selection_start(id);
}

int SelectionEnd(const char* id) {
    return js_selection_end(id);
}

void SetSelection(const char* id, int start, int end) {
    js_set_selection(id, start, end);
}

bool Enabled(const char* id) {
    return js_enabled(id) != 0;
}

void SetEnabled(const char* id, bool enabled) {
    js_set_enabled(id, enabled ? 1 : 0);
}

int SelectedIndex(const char* id) {
    return js_selected_index(id);
}

void AddOption(const char* selectId, std::string_view text) {
    js_add_option(selectId, text.data(), Size(text));
}

void SetText(const char* id, std::string_view text) {
    js_set_text(id, text.data(), Size(text));
}

}  // namespace isr::dom
