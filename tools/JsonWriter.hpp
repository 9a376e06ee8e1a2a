// Writes JSON text: values, and objects and arrays that put the commas between their members.
// For the tables' JSON and the browser edition's answers to its page.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "model/NumberText.hpp"

namespace jouk {

// Writes JSON text: values, and objects and arrays that put the commas between their members.
class JsonWriter {
 public:
  JsonWriter& Open(char bracket) {
    Separate();
    out_ += bracket;
    first_.push_back(true);
    return *this;
  }
  JsonWriter& Close(char bracket) {
    out_ += bracket;
    first_.pop_back();
    return *this;
  }
  // The key of the next member of an object.
  JsonWriter& Key(const char* key) {
    String(key);
    out_ += ':';
    keyed_ = true;
    return *this;
  }
  JsonWriter& String(const char* text) {
    Separate();
    out_ += '"';
    for (const char* c = text; *c != '\0'; ++c) Escaped(static_cast<unsigned char>(*c));
    out_ += '"';
    return *this;
  }
  // A number in its shortest decimal form, without exponent ("8.25", "100", "-10").
  // A number that is not finite has no JSON form: it is written as null.
  JsonWriter& Number(double v) { return std::isfinite(v) ? Raw(NumberToText(v)) : Null(); }
  JsonWriter& String(const std::string& text) { return String(text.c_str()); }
  JsonWriter& Bool(bool v) { return Raw(v ? "true" : "false"); }
  JsonWriter& Null() { return Raw("null"); }
  std::string Text() const { return out_ + '\n'; }

 private:
  JsonWriter& Raw(const std::string& text) {
    Separate();
    out_ += text;
    return *this;
  }
  // A comma before every member but the first; none between a key and its value.
  void Separate() {
    if (keyed_) {
      keyed_ = false;
      return;
    }
    if (first_.empty()) return;
    if (!first_.back()) out_ += ',';
    first_.back() = false;
  }
  // A byte of a string: quotes, backslashes and control characters escaped, the bytes of other
  // characters (UTF-8) as they are.
  void Escaped(unsigned char c) {
    if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += static_cast<char>(c);
    } else if (c < 0x20) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", c);
      out_ += code;
    } else {
      out_ += static_cast<char>(c);
    }
  }

  std::string out_;
  std::vector<bool> first_;  // per open object or array: no member written yet
  bool keyed_ = false;       // a key was written; its value follows
};

}  // namespace jouk
