// Splits a resource script into tokens: numbers, quoted strings, words and punctuation.
// Comments are skipped. The preprocessor lines understood are those of the Windows resource
// compiler that our scripts use: #include "file" (read relative to the including file),
// #define NAME number (the name then stands for the number wherever it is written),
// #pragma once and #pragma code_page(1252).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace rcpack {

struct Token {
  enum Kind { kEnd, kNumber, kString, kWord, kPunct } kind = kEnd;
  uint32_t number = 0;  // kNumber
  std::u16string text;  // kString: the characters, already out of the code page
  std::string word;     // kWord (as written) and kPunct (one character)
  int line = 0;
};

// Returns the text of an included file, named by its path relative to the script's folder;
// throws ScriptError when it cannot.
using IncludeReader = std::function<std::string(const std::string& path)>;

class Lexer {
 public:
  // Without a reader, #include is an error.
  Lexer(std::string_view source, std::string fileName, IncludeReader readInclude = nullptr);

  Token next();
  // Throws ScriptError naming `line` of the file that the last token came from.
  [[noreturn]] void fail(int line, const std::string& message) const;

 private:
  // The script, or a file it includes.
  struct Source {
    std::string text;
    std::string name;    // as errors name it: the script's name, or the path of an include
    std::string folder;  // where its own includes are found, relative to the script's folder
    std::size_t pos = 0;
    int line = 1;
    bool lineStart = true;
  };

  Source& source() { return sources_.back(); }
  const Source& source() const { return sources_.back(); }
  [[noreturn]] void failHere(int line, const std::string& message) const;
  void skipSpaceAndComments();
  void directive();
  void include(const std::string& directiveLine, std::string_view rest);
  void define(const std::string& directiveLine, std::string_view rest);
  Token number();
  Token quoted();

  std::vector<Source> sources_;  // the includes being read, innermost last
  IncludeReader readInclude_;
  std::map<std::string, uint32_t> defines_;
  std::set<std::string> includedOnce_;  // the names of files that said #pragma once
  std::string tokenFile_;               // the name of the file of the last token
};

}  // namespace rcpack
