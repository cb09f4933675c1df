#include "lexer.h"

#include <cctype>

#include "base/code_page_1252.h"
#include "resource.h"

namespace rcpack {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isWordChar(char c) { return isWordStart(c) || isDigit(c); }

int hexValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Lexer::Lexer(std::string_view source, std::string fileName)
    : source_(source), fileName_(std::move(fileName)) {}

void Lexer::fail(int line, const std::string& message) const {
  throw ScriptError(fileName_ + ":" + std::to_string(line) + ": " + message);
}

void Lexer::skipSpaceAndComments() {
  while (pos_ < source_.size()) {
    const char c = source_[pos_];
    if (c == '\n') {
      ++line_, ++pos_;
      lineStart_ = true;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++pos_;
    } else if (source_.substr(pos_, 2) == "//") {
      while (pos_ < source_.size() && source_[pos_] != '\n') ++pos_;
    } else if (source_.substr(pos_, 2) == "/*") {
      const int startLine = line_;
      pos_ += 2;
      while (pos_ < source_.size() && source_.substr(pos_, 2) != "*/") {
        if (source_[pos_] == '\n') ++line_;
        ++pos_;
      }
      if (pos_ >= source_.size()) fail(startLine, "comment is not closed");
      pos_ += 2;
    } else if (c == '#' && lineStart_) {
      directive();
    } else {
      return;
    }
  }
}

void Lexer::directive() {
  std::size_t end = source_.find('\n', pos_);
  if (end == std::string_view::npos) end = source_.size();
  std::string text(source_.substr(pos_, end - pos_));
  pos_ = end;
  std::string compact;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\r') compact += c;
  if (compact != "#pragmacode_page(1252)")
    fail(line_, "unsupported preprocessor line '" + text +
                    "' (only #pragma code_page(1252) is understood)");
}

Token Lexer::next() {
  skipSpaceAndComments();
  Token token;
  token.line = line_;
  if (pos_ >= source_.size()) return token;
  lineStart_ = false;
  const char c = source_[pos_];
  if (isDigit(c)) return number();
  if (c == '"') return quoted();
  if ((c == 'L' || c == 'l') && pos_ + 1 < source_.size() && source_[pos_ + 1] == '"')
    fail(line_, "wide strings (L\"...\") are not supported; write plain strings");
  if (isWordStart(c)) {
    const std::size_t start = pos_;
    while (pos_ < source_.size() && isWordChar(source_[pos_])) ++pos_;
    token.kind = Token::kWord;
    token.word = std::string(source_.substr(start, pos_ - start));
    return token;
  }
  if (c == ',' || c == '|' || c == '{' || c == '}') {
    ++pos_;
    token.kind = Token::kPunct;
    token.word = std::string(1, c);
    return token;
  }
  fail(line_, std::string("unexpected character '") + c + "'");
}

Token Lexer::number() {
  Token token;
  token.kind = Token::kNumber;
  token.line = line_;
  const std::size_t start = pos_;
  uint64_t value = 0;
  int base = 10;
  if (source_.substr(pos_, 2) == "0x" || source_.substr(pos_, 2) == "0X") {
    base = 16;
    pos_ += 2;
  }
  std::size_t digits = 0;
  while (pos_ < source_.size()) {
    const int digit = hexValue(source_[pos_]);
    if (digit < 0 || digit >= base) break;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFu) fail(line_, "number does not fit in 32 bits");
    ++pos_, ++digits;
  }
  if (digits == 0) fail(line_, "hexadecimal number without digits");
  while (pos_ < source_.size() && (source_[pos_] == 'L' || source_[pos_] == 'l' ||
                                   source_[pos_] == 'U' || source_[pos_] == 'u'))
    ++pos_;
  if (pos_ < source_.size() && isWordChar(source_[pos_]))
    fail(line_, "malformed number '" + std::string(source_.substr(start, pos_ + 1 - start)) + "'");
  token.number = static_cast<uint32_t>(value);
  return token;
}

Token Lexer::quoted() {
  Token token;
  token.kind = Token::kString;
  token.line = line_;
  ++pos_;  // opening quote
  for (;;) {
    if (pos_ >= source_.size() || source_[pos_] == '\n') fail(token.line, "string is not closed");
    const char c = source_[pos_++];
    if (c == '"') {
      if (pos_ < source_.size() && source_[pos_] == '"') {  // "" stands for one quote
        token.text += u'"';
        ++pos_;
        continue;
      }
      return token;
    }
    if (c != '\\') {
      token.text += base::fromCodePage1252(static_cast<uint8_t>(c));
      continue;
    }
    if (pos_ >= source_.size()) fail(line_, "string is not closed");
    const char e = source_[pos_++];
    unsigned value = 0;
    switch (e) {
      case 'n':
        value = '\n';
        break;
      case 'r':
        value = '\r';
        break;
      case 't':
        value = '\t';
        break;
      case 'a':
        value = '\a';
        break;
      case 'b':
        value = '\b';
        break;
      case 'f':
        value = '\f';
        break;
      case 'v':
        value = '\v';
        break;
      case '\\':
        value = '\\';
        break;
      case '"':
        value = '"';
        break;
      case '\'':
        value = '\'';
        break;
      case 'x':
      case 'X': {
        // As the Windows resource compiler does, every hex digit that follows belongs to it.
        int digits = 0;
        while (pos_ < source_.size() && hexValue(source_[pos_]) >= 0) {
          value = value * 16 + static_cast<unsigned>(hexValue(source_[pos_++]));
          if (value > 0xFF) fail(line_, "\\x escape above 0xFF (end the string or use octal)");
          ++digits;
        }
        if (digits == 0) fail(line_, "\\x escape without digits");
        break;
      }
      default:
        if (e >= '0' && e <= '7') {
          value = static_cast<unsigned>(e - '0');
          for (int i = 0;
               i < 2 && pos_ < source_.size() && source_[pos_] >= '0' && source_[pos_] <= '7'; ++i)
            value = value * 8 + static_cast<unsigned>(source_[pos_++] - '0');
          if (value > 0xFF) fail(line_, "octal escape above 0377");
          break;
        }
        fail(line_, std::string("unknown escape '\\") + e + "'");
    }
    token.text += base::fromCodePage1252(static_cast<uint8_t>(value));
  }
}

}  // namespace rcpack
