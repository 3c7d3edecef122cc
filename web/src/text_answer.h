// The binding's answers handed to JavaScript as strings the browser decodes
// at once (TextDecoder), rather than a byte at a time in the binding's loop.
#pragma once

#include <emscripten/val.h>
#include <emscripten/wire.h>

#include <string>
#include <utility>

namespace corvanta {

// UTF-8 text as a JavaScript string. The view on the module's memory lives
// only for the call: the decoder copies what it reads.
inline emscripten::val JsText(const std::string& text) {
  static const emscripten::val decoder = emscripten::val::global("TextDecoder").new_();
  return decoder.call<emscripten::val>(
      "decode", emscripten::val(emscripten::typed_memory_view(
                    text.size(), reinterpret_cast<const unsigned char*>(text.data()))));
}

// A call that answers with text, bound as one that answers with its string.
template <auto Function>
struct TextAnswer;

template <typename... Args, std::string (*Function)(Args...)>
struct TextAnswer<Function> {
  static emscripten::val Call(Args... args) {
    return JsText(Function(std::forward<Args>(args)...));
  }
};

template <typename Class, typename... Args, std::string (Class::*Method)(Args...)>
struct TextAnswer<Method> {
  static emscripten::val Call(Class& object, Args... args) {
    return JsText((object.*Method)(std::forward<Args>(args)...));
  }
};

}  // namespace corvanta
