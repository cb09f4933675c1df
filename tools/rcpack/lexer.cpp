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

constexpr std::size_t kMaxIncludeDepth = 32;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The rest of a preprocessor line holds nothing but blanks and comments.
bool onlyComment(std::string_view rest) {
  rest = trimmed(rest);
  if (rest.empty() || rest.substr(0, 2) == "//") return true;
  if (rest.substr(0, 2) != "/*") return false;
  const std::size_t close = rest.find("*/", 2);
  return close != std::string_view::npos && onlyComment(rest.substr(close + 2));
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

Lexer::Lexer(std::string_view source, std::string fileName, IncludeReader readInclude)
    : readInclude_(std::move(readInclude)), tokenFile_(fileName) {
  sources_.push_back(Source{std::string(source), std::move(fileName), "", 0, 1, true});
}

void Lexer::fail(int line, const std::string& message) const {
  throw ScriptError(tokenFile_ + ":" + std::to_string(line) + ": " + message);
}

void Lexer::failHere(int line, const std::string& message) const {
  throw ScriptError(source().name + ":" + std::to_string(line) + ": " + message);
}

void Lexer::skipSpaceAndComments() {
  for (;;) {
    Source& s = source();
    if (s.pos >= s.text.size()) {
      if (sources_.size() == 1) return;
      sources_.pop_back();  // the end of an included file: back to the line after #include
      continue;
    }
    const std::string_view text = s.text;
    const char c = text[s.pos];
    if (c == '\n') {
      ++s.line, ++s.pos;
      s.lineStart = true;
    } else if (isBlank(c)) {
      ++s.pos;
    } else if (text.substr(s.pos, 2) == "//") {
      while (s.pos < text.size() && text[s.pos] != '\n') ++s.pos;
    } else if (text.substr(s.pos, 2) == "/*") {
      const int startLine = s.line;
      s.pos += 2;
      while (s.pos < text.size() && text.substr(s.pos, 2) != "*/") {
        if (text[s.pos] == '\n') ++s.line;
        ++s.pos;
      }
      if (s.pos >= text.size()) failHere(startLine, "comment is not closed");
      s.pos += 2;
    } else if (c == '#' && s.lineStart) {
      directive();
    } else {
      return;
    }
  }
}

void Lexer::directive() {
  Source& s = source();
  std::size_t end = s.text.find('\n', s.pos);
  if (end == std::string::npos) end = s.text.size();
  const std::string line = s.text.substr(s.pos, end - s.pos);
  s.pos = end;

  std::string_view rest = trimmed(std::string_view(line).substr(1));
  std::size_t keywordEnd = 0;
  while (keywordEnd < rest.size() && isWordChar(rest[keywordEnd])) ++keywordEnd;
  const std::string_view keyword = rest.substr(0, keywordEnd);
  rest.remove_prefix(keywordEnd);

  if (keyword == "include") return include(line, rest);
  if (keyword == "define") return define(line, rest);
  if (keyword == "pragma") {
    std::string compact;
    for (char c : rest.substr(0, rest.find("//")))
      if (!isBlank(c)) compact += c;
    if (compact == "code_page(1252)") return;
    if (compact == "once") {
      includedOnce_.insert(s.name);
      return;
    }
  }
  failHere(s.line, "unsupported preprocessor line '" + line +
                       "' (understood: #include \"file\", #define NAME number, #pragma once, "
                       "#pragma code_page(1252))");
}

void Lexer::include(const std::string& directiveLine, std::string_view rest) {
  const int line = source().line;
  rest = trimmed(rest);
  const std::size_t close = rest.size() > 1 && rest[0] == '"' ? rest.find('"', 1) : 0;
  if (close == 0 || close == std::string_view::npos || !onlyComment(rest.substr(close + 1)))
    failHere(line, "unsupported preprocessor line '" + directiveLine +
                       "' (only #include \"file\" is understood)");
  if (!readInclude_) failHere(line, "this script cannot include files");
  if (sources_.size() > kMaxIncludeDepth) failHere(line, "#include nested too deeply");

  const std::string path = source().folder + std::string(rest.substr(1, close - 1));
  if (includedOnce_.count(path)) return;
  std::string text;
  try {
    text = readInclude_(path);
  } catch (const ScriptError& e) {
    failHere(line, e.what());
  }
  sources_.push_back(Source{std::move(text), path, folderOf(path), 0, 1, true});
}

void Lexer::define(const std::string& directiveLine, std::string_view rest) {
  const int line = source().line;
  const std::string_view afterKeyword = rest;
  rest = trimmed(rest);
  std::size_t nameEnd = 0;
  while (nameEnd < rest.size() && isWordChar(rest[nameEnd])) ++nameEnd;
  const std::string name(rest.substr(0, nameEnd));
  if (afterKeyword.empty() || !isBlank(afterKeyword[0]) || name.empty() || !isWordStart(name[0]))
    failHere(line, "malformed #define '" + directiveLine + "'");
  if (nameEnd < rest.size() && rest[nameEnd] == '(')
    failHere(line, "#define " + name + ": macros with parameters are not supported");

  // The value is lexed as script text of its own: one number, perhaps with a comment.
  Lexer value(rest.substr(nameEnd), source().name);
  value.source().line = line;
  value.source().lineStart = false;
  const Token number = value.next();
  if (number.kind != Token::kNumber || value.next().kind != Token::kEnd)
    failHere(line, "#define " + name + " must stand for a number");
  const auto [known, added] = defines_.emplace(name, number.number);
  if (!added && known->second != number.number)
    failHere(line, name + " is #defined twice with different values");
}

Token Lexer::next() {
  skipSpaceAndComments();
  Source& s = source();
  tokenFile_ = s.name;
  Token token;
  token.line = s.line;
  if (s.pos >= s.text.size()) return token;
  s.lineStart = false;
  const std::string_view text = s.text;
  const char c = text[s.pos];
  if (isDigit(c)) return number();
  if (c == '"') return quoted();
  if ((c == 'L' || c == 'l') && s.pos + 1 < text.size() && text[s.pos + 1] == '"')
    failHere(s.line, "wide strings (L\"...\") are not supported; write plain strings");
  if (isWordStart(c)) {
    const std::size_t start = s.pos;
    while (s.pos < text.size() && isWordChar(text[s.pos])) ++s.pos;
    token.word = std::string(text.substr(start, s.pos - start));
    const auto defined = defines_.find(token.word);
    if (defined != defines_.end()) {
      token.kind = Token::kNumber;
      token.number = defined->second;
    } else {
      token.kind = Token::kWord;
    }
    return token;
  }
  if (c == ',' || c == '|' || c == '{' || c == '}') {
    ++s.pos;
    token.kind = Token::kPunct;
    token.word = std::string(1, c);
    return token;
  }
  failHere(s.line, std::string("unexpected character '") + c + "'");
}

Token Lexer::number() {
  Source& s = source();
  const std::string_view text = s.text;
  Token token;
  token.kind = Token::kNumber;
  token.line = s.line;
  const std::size_t start = s.pos;
  uint64_t value = 0;
  int base = 10;
  if (text.substr(s.pos, 2) == "0x" || text.substr(s.pos, 2) == "0X") {
    base = 16;
    s.pos += 2;
  }
  std::size_t digits = 0;
  while (s.pos < text.size()) {
    const int digit = hexValue(text[s.pos]);
    if (digit < 0 || digit >= base) break;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFu) failHere(s.line, "number does not fit in 32 bits");
    ++s.pos, ++digits;
  }
  if (digits == 0) failHere(s.line, "hexadecimal number without digits");
  while (s.pos < text.size() &&
         (text[s.pos] == 'L' || text[s.pos] == 'l' || text[s.pos] == 'U' || text[s.pos] == 'u'))
    ++s.pos;
  if (s.pos < text.size() && isWordChar(text[s.pos]))
    failHere(s.line,
             "malformed number '" + std::string(text.substr(start, s.pos + 1 - start)) + "'");
  token.number = static_cast<uint32_t>(value);
  return token;
}

Token Lexer::quoted() {
  Source& s = source();
  const std::string_view text = s.text;
  Token token;
  token.kind = Token::kString;
  token.line = s.line;
  ++s.pos;  // opening quote
  for (;;) {
    if (s.pos >= text.size() || text[s.pos] == '\n') failHere(token.line, "string is not closed");
    const char c = text[s.pos++];
    if (c == '"') {
      if (s.pos < text.size() && text[s.pos] == '"') {  // "" stands for one quote
        token.text += u'"';
        ++s.pos;
        continue;
      }
      return token;
    }
    if (c != '\\') {
      token.text += base::fromCodePage1252(static_cast<uint8_t>(c));
      continue;
    }
    if (s.pos >= text.size()) failHere(s.line, "string is not closed");
    const char e = text[s.pos++];
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
        while (s.pos < text.size() && hexValue(text[s.pos]) >= 0) {
          value = value * 16 + static_cast<unsigned>(hexValue(text[s.pos++]));
          if (value > 0xFF) failHere(s.line, "\\x escape above 0xFF (end the string or use octal)");
          ++digits;
        }
        if (digits == 0) failHere(s.line, "\\x escape without digits");
        break;
      }
      default:
        if (e >= '0' && e <= '7') {
          value = static_cast<unsigned>(e - '0');
          for (int i = 0; i < 2 && s.pos < text.size() && text[s.pos] >= '0' && text[s.pos] <= '7';
               ++i)
            value = value * 8 + static_cast<unsigned>(text[s.pos++] - '0');
          if (value > 0xFF) failHere(s.line, "octal escape above 0377");
          break;
        }
        failHere(s.line, std::string("unknown escape '\\") + e + "'");
    }
    token.text += base::fromCodePage1252(static_cast<uint8_t>(value));
  }
}

}  // namespace rcpack
