#include "script_packer.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "dialog_template.h"
#include "icon_file.h"
#include "lexer.h"
#include "string_table.h"
#include "version_record.h"

namespace rcpack {

namespace {

constexpr uint16_t kEnglishUnitedStates = 0x0409;

class Packer {
 public:
  Packer(std::string_view source, const std::string& scriptName, const FileReader& readFile)
      : lexer_(source, scriptName, [this](const std::string& path) { return include(path); }),
        readFile_(readFile) {
    advance();
  }

  PackedScript run();

 private:
  void advance() { token_ = lexer_.next(); }
  [[noreturn]] void fail(const std::string& message) const { lexer_.fail(token_.line, message); }

  bool atWord(const char* word) const { return token_.kind == Token::kWord && token_.word == word; }
  bool atPunct(char c) const { return token_.kind == Token::kPunct && token_.word[0] == c; }
  bool atBegin() const { return atWord("BEGIN") || atPunct('{'); }
  bool atEnd() const { return atWord("END") || atPunct('}'); }

  uint32_t number(const char* what);
  uint16_t word16(const char* what);
  uint32_t flags(const char* what);  // numbers joined by |
  std::u16string string(const char* what);
  void comma();
  void begin();
  void end();

  void language();
  void stringTable();
  void dialog(uint16_t id);
  void bitmap(uint16_t id);
  void icon(uint16_t id);
  void versionInfo(uint16_t id);
  std::vector<VersionNode> versionBlockBody();
  Bytes file(const char* what);
  std::string include(const std::string& path);

  void add(uint16_t type, uint16_t id, Bytes data, int line);

  Lexer lexer_;
  const FileReader& readFile_;
  Token token_;
  uint16_t language_ = kEnglishUnitedStates;
  uint16_t nextIconId_ = 1;
  StringTable strings_;
  std::map<std::tuple<uint16_t, uint16_t, uint16_t>, Resource> resources_;
  std::vector<std::string> files_;
};

uint32_t Packer::number(const char* what) {
  if (token_.kind != Token::kNumber) fail(std::string("expected a number for ") + what);
  const uint32_t value = token_.number;
  advance();
  return value;
}

uint16_t Packer::word16(const char* what) {
  const int line = token_.line;
  const uint32_t value = number(what);
  if (value > 0xFFFF) lexer_.fail(line, std::string(what) + " must fit in 16 bits");
  return static_cast<uint16_t>(value);
}

uint32_t Packer::flags(const char* what) {
  uint32_t value = number(what);
  while (atPunct('|')) {
    advance();
    value |= number(what);
  }
  return value;
}

std::u16string Packer::string(const char* what) {
  if (token_.kind != Token::kString) fail(std::string("expected a quoted string for ") + what);
  std::u16string text = std::move(token_.text);
  advance();
  return text;
}

void Packer::comma() {
  if (!atPunct(',')) fail("expected ','");
  advance();
}

void Packer::begin() {
  if (!atBegin()) fail("expected BEGIN");
  advance();
}

void Packer::end() {
  if (!atEnd()) fail("expected END");
  advance();
}

void Packer::add(uint16_t type, uint16_t id, Bytes data, int line) {
  if (!resources_
           .emplace(std::tuple{type, id, language_}, Resource{type, id, language_, std::move(data)})
           .second)
    lexer_.fail(line, "resource " + std::to_string(id) + " of this type is declared twice");
}

Bytes Packer::file(const char* what) {
  const int line = token_.line;
  const std::u16string name = string(what);
  std::string path;
  for (char16_t c : name) {
    if (c >= 0x80) lexer_.fail(line, "file names must be plain ASCII");
    path += static_cast<char>(c);
  }
  files_.push_back(path);
  try {
    return readFile_(path);
  } catch (const ScriptError& e) {
    lexer_.fail(line, e.what());
  }
}

std::string Packer::include(const std::string& path) {
  files_.push_back(path);
  const Bytes data = readFile_(path);
  return std::string(data.begin(), data.end());
}

void Packer::language() {
  const int line = token_.line;
  advance();
  const uint32_t primary = number("the primary language");
  comma();
  const uint32_t sub = number("the sublanguage");
  if (primary > 0x3FF || sub > 0x3F) lexer_.fail(line, "language out of range");
  language_ = static_cast<uint16_t>(primary | (sub << 10));
}

void Packer::stringTable() {
  advance();
  begin();
  while (!atEnd()) {
    const int line = token_.line;
    const uint16_t id = word16("the string number");
    if (atPunct(',')) advance();
    if (!strings_.add(id, language_, string("the string")))
      lexer_.fail(line, "string " + std::to_string(id) + " is declared twice");
  }
  end();
}

void Packer::dialog(uint16_t id) {
  const int line = token_.line;
  advance();
  DialogTemplate dialog;
  dialog.x = word16("x");
  comma();
  dialog.y = word16("y");
  comma();
  dialog.width = word16("the width");
  comma();
  dialog.height = word16("the height");
  bool styled = false;
  while (!atBegin()) {
    if (atWord("STYLE")) {
      advance();
      dialog.style = flags("the style");
      styled = true;
    } else if (atWord("FONT")) {
      advance();
      const uint16_t size = word16("the point size");
      comma();
      dialog.font = DialogFont{size, string("the font name")};
    } else {
      fail("unsupported dialog statement (STYLE and FONT are supported)");
    }
  }
  if (!styled) lexer_.fail(line, "dialog needs a STYLE statement");
  begin();
  if (!atEnd()) fail("dialog controls are not supported");
  end();
  add(kDialog, id, buildDialog(dialog), line);
}

void Packer::bitmap(uint16_t id) {
  const int line = token_.line;
  advance();
  Bytes data = file("the bitmap file");
  // The resource is the .bmp without its 14-byte file header.
  if (data.size() <= 14 || data[0] != 'B' || data[1] != 'M')
    lexer_.fail(line, "not a .bmp file: " + files_.back());
  data.erase(data.begin(), data.begin() + 14);
  add(kBitmap, id, std::move(data), line);
}

void Packer::icon(uint16_t id) {
  const int line = token_.line;
  advance();
  const Bytes data = file("the icon file");
  std::vector<IconImage> images;
  try {
    images = readIconFile(data, files_.back());
  } catch (const ScriptError& e) {
    lexer_.fail(line, e.what());
  }
  if (nextIconId_ + images.size() > 0x10000) lexer_.fail(line, "too many icon images");
  Bytes group = buildIconGroup(images, nextIconId_);
  for (IconImage& image : images) add(kIcon, nextIconId_++, std::move(image.data), line);
  add(kGroupIcon, id, std::move(group), line);
}

std::vector<VersionNode> Packer::versionBlockBody() {
  std::vector<VersionNode> nodes;
  begin();
  while (!atEnd()) {
    VersionNode node;
    if (atWord("BLOCK")) {
      advance();
      node.key = string("the block name");
      node.isBlock = true;
      node.children = versionBlockBody();
    } else if (atWord("VALUE")) {
      advance();
      node.key = string("the value name");
      comma();
      if (token_.kind == Token::kString) {
        node.isText = true;
        node.text = string("the value");
      } else {
        node.numbers.push_back(word16("the value"));
        while (atPunct(',')) {
          advance();
          node.numbers.push_back(word16("the value"));
        }
      }
    } else {
      fail("expected BLOCK, VALUE or END");
    }
    nodes.push_back(std::move(node));
  }
  end();
  return nodes;
}

void Packer::versionInfo(uint16_t id) {
  const int line = token_.line;
  advance();
  FixedVersionInfo fixed;
  auto version = [&](uint32_t(&out)[2]) {
    advance();
    uint32_t parts[4];
    for (int i = 0; i < 4; ++i) {
      if (i > 0) comma();
      parts[i] = word16("a version part");
    }
    out[0] = parts[0] << 16 | parts[1];
    out[1] = parts[2] << 16 | parts[3];
  };
  const std::map<std::string, uint32_t*> fields = {{"FILEFLAGSMASK", &fixed.flagsMask},
                                                   {"FILEFLAGS", &fixed.flags},
                                                   {"FILEOS", &fixed.os},
                                                   {"FILETYPE", &fixed.type},
                                                   {"FILESUBTYPE", &fixed.subtype}};
  while (!atBegin()) {
    if (atWord("FILEVERSION")) {
      version(fixed.fileVersion);
    } else if (atWord("PRODUCTVERSION")) {
      version(fixed.productVersion);
    } else if (token_.kind == Token::kWord && fields.count(token_.word)) {
      uint32_t* field = fields.at(token_.word);
      advance();
      *field = flags("the field");
    } else {
      fail("unsupported VERSIONINFO statement");
    }
  }
  const std::vector<VersionNode> blocks = versionBlockBody();
  try {
    add(kVersion, id, buildVersion(fixed, blocks), line);
  } catch (const ScriptError& e) {
    lexer_.fail(line, e.what());
  }
}

PackedScript Packer::run() {
  while (token_.kind != Token::kEnd) {
    if (atWord("LANGUAGE")) {
      language();
    } else if (atWord("STRINGTABLE")) {
      stringTable();
    } else if (token_.kind == Token::kNumber) {
      const uint16_t id = word16("the resource number");
      if (atWord("DIALOG"))
        dialog(id);
      else if (atWord("BITMAP"))
        bitmap(id);
      else if (atWord("ICON"))
        icon(id);
      else if (atWord("VERSIONINFO"))
        versionInfo(id);
      else
        fail("unsupported resource type (DIALOG, BITMAP, ICON and VERSIONINFO are supported)");
    } else if (token_.kind == Token::kWord) {
      // The Windows resource compiler would take an unknown name as the resource's name.
      fail("expected a resource statement, found '" + token_.word +
           "' (resource names must be #defined as numbers)");
    } else {
      fail("expected a resource statement");
    }
  }
  PackedScript packed;
  for (auto& [key, resource] : resources_) packed.resources.push_back(std::move(resource));
  for (Resource& block : strings_.blocks()) packed.resources.push_back(std::move(block));
  std::sort(packed.resources.begin(), packed.resources.end(),
            [](const Resource& a, const Resource& b) {
              return std::tie(a.type, a.id, a.language) < std::tie(b.type, b.id, b.language);
            });
  packed.files = std::move(files_);
  return packed;
}

}  // namespace

PackedScript packScript(std::string_view source, const std::string& scriptName,
                        const FileReader& readFile) {
  return Packer(source, scriptName, readFile).run();
}

}  // namespace rcpack
