#pragma once
// A little JSON writer for what the page's script reads: objects, arrays, strings, numbers.
#include <cstdio>
#include <string>
#include <string_view>

namespace quarvel::web {

class JsonText {
 public:
  JsonText& Open(char bracket) {
    Separate();
    text_ += bracket;
    first_ = true;
    return *this;
  }
  JsonText& Close(char bracket) {
    text_ += bracket;
    first_ = false;
    return *this;
  }
  JsonText& Key(std::string_view key) {
    String(key);
    text_ += ':';
    first_ = true;
    return *this;
  }
  JsonText& String(std::string_view value) {
    Separate();
    text_ += '"';
    for (const char c : value) {
      const auto byte = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') {
        text_ += '\\';
        text_ += c;
      } else if (byte < 0x20) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
        text_ += escaped;
      } else {
        text_ += c;
      }
    }
    text_ += '"';
    return *this;
  }
  JsonText& Number(double value) {
    Separate();
    char number[32];
    std::snprintf(number, sizeof number, "%.10g", value);
    text_ += number;
    return *this;
  }
  JsonText& Bool(bool value) {
    Separate();
    text_ += value ? "true" : "false";
    return *this;
  }
  const std::string& str() const { return text_; }

 private:
  void Separate() {
    if (!first_) text_ += ',';
    first_ = false;
  }
  std::string text_;
  bool first_ = true;
};

}  // namespace quarvel::web
