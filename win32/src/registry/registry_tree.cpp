#include "registry_tree.h"

#include <strings.h>

#include <cctype>
#include <cstdio>

#include "base/little_endian.h"
#include "win32/registry.h"

namespace win32 {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Hex(const std::string& bytes) {
  std::string out;
  char buf[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(buf, sizeof buf, i ? ",%02x" : "%02x", static_cast<unsigned char>(bytes[i]));
    out += buf;
  }
  return out;
}

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// A REG_SZ that regedit writes as a quoted string: one terminating zero and no other.
bool IsPlainString(const RegistryValue& v) {
  return v.type == REG_SZ && !v.data.empty() && v.data.back() == '\0' &&
         v.data.find('\0') == v.data.size() - 1 &&
         v.data.find_first_of("\r\n") == std::string::npos;
}

std::string FormatData(const RegistryValue& v) {
  if (IsPlainString(v)) return Quote(v.data.substr(0, v.data.size() - 1));
  if (v.type == REG_DWORD && v.data.size() == 4) {
    const uint32_t x = base::readLe32(reinterpret_cast<const uint8_t*>(v.data.data()));
    char buf[16];
    std::snprintf(buf, sizeof buf, "dword:%08x", x);
    return buf;
  }
  if (v.type == REG_BINARY) return "hex:" + Hex(v.data);
  return "hex(" + std::to_string(v.type) + "):" + Hex(v.data);
}

// Reads a quoted string starting at text[pos] == '"'; pos ends after the closing quote.
bool ReadQuoted(const std::string& text, size_t& pos, std::string& out) {
  out.clear();
  for (++pos; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c == '\\' && pos + 1 < text.size()) c = text[++pos];
    out += c;
  }
  return false;
}

bool ParseHexBytes(const std::string& text, std::string& out) {
  out.clear();
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    if (pos == text.size()) break;
    if (pos + 1 >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[pos])) ||
        !std::isxdigit(static_cast<unsigned char>(text[pos + 1]))) {
      return false;
    }
    out += static_cast<char>(std::stoi(text.substr(pos, 2), nullptr, 16));
    pos += 2;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    if (pos < text.size() && text[pos] != ',') return false;
    ++pos;
  }
  return true;
}

bool ParseData(const std::string& text, RegistryValue& v) {
  if (!text.empty() && text[0] == '"') {
    size_t pos = 0;
    std::string s;
    if (!ReadQuoted(text, pos, s) || pos != text.size()) return false;
    v.type = REG_SZ;
    v.data = s + '\0';
    return true;
  }
  if (text.rfind("dword:", 0) == 0) {
    std::string digits = text.substr(6);
    if (digits.size() != 8) return false;
    for (char c : digits) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    }
    uint32_t x = static_cast<uint32_t>(std::stoul(digits, nullptr, 16));
    v.type = REG_DWORD;
    v.data.assign(4, '\0');
    base::writeLe32(reinterpret_cast<uint8_t*>(v.data.data()), x);
    return true;
  }
  if (text.rfind("hex:", 0) == 0) {
    v.type = REG_BINARY;
    return ParseHexBytes(text.substr(4), v.data);
  }
  if (text.rfind("hex(", 0) == 0) {
    size_t close = text.find("):");
    if (close == std::string::npos || close == 4 || close > 12) return false;
    std::string type = text.substr(4, close - 4);
    for (char c : type) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    }
    v.type = static_cast<uint32_t>(std::stoul(type, nullptr, 16));
    return ParseHexBytes(text.substr(close + 2), v.data);
  }
  return false;
}

std::string TrimRight(std::string s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

}  // namespace

const RegistryValue* RegistryKey::Find(const std::string& name) const {
  for (const RegistryValue& v : values) {
    if (strcasecmp(v.name.c_str(), name.c_str()) == 0) return &v;
  }
  return nullptr;
}

void RegistryKey::Set(RegistryValue value) {
  for (RegistryValue& v : values) {
    if (strcasecmp(v.name.c_str(), value.name.c_str()) == 0) {
      v.type = value.type;
      v.data = std::move(value.data);
      return;
    }
  }
  values.push_back(std::move(value));
}

std::optional<RegistryTree> RegistryTree::Parse(const std::string& text, std::string& error) {
  RegistryTree tree;
  RegistryKey* current = nullptr;
  bool header = false;
  size_t start = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
  int lineNumber = 0;
  auto fail = [&](const std::string& why) {
    error = "line " + std::to_string(lineNumber) + ": " + why;
    return std::nullopt;
  };
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = TrimRight(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    // Long hex values continue on the next line after a trailing backslash.
    while (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos &&
           start < text.size()) {
      end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      line.pop_back();
      line += TrimRight(text.substr(start, end - start));
      start = end + 1;
      ++lineNumber;
    }
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == ';') continue;
    line = line.substr(first);
    if (!header) {
      if (line != "REGEDIT4") return fail("the file does not start with REGEDIT4");
      header = true;
      continue;
    }
    if (line[0] == '[') {
      if (line.back() != ']' || line.size() < 3) return fail("unterminated key name");
      std::string path = line.substr(1, line.size() - 2);
      if (path[0] == '-') return fail("key deletions are not supported");
      if (path.rfind("HKEY_", 0) != 0) return fail("the key has no HKEY_ root");
      // Only the keys the file lists: its export may leave out the keys above them.
      current = tree.Find(path);
      if (!current) current = &(tree.keys_[Lower(path)] = RegistryKey{path, {}});
      continue;
    }
    if (!current) return fail("a value before the first key");
    RegistryValue value;
    size_t pos = 0;
    if (line[0] == '@') {
      pos = 1;
    } else if (line[0] == '"') {
      if (!ReadQuoted(line, pos, value.name)) return fail("unterminated value name");
    } else {
      return fail("expected a key, a value or a comment");
    }
    if (pos >= line.size() || line[pos] != '=') return fail("expected '=' after the value name");
    if (!ParseData(line.substr(pos + 1), value)) return fail("value data not understood");
    current->Set(std::move(value));
  }
  if (!header) {
    if (lineNumber == 0) return tree;  // an empty file is an empty registry
    return fail("the file does not start with REGEDIT4");
  }
  return tree;
}

std::string RegistryTree::Serialize() const {
  std::string out = "REGEDIT4\n";
  for (const auto& [lower, key] : keys_) {
    out += "\n[" + key.path + "]\n";
    for (const RegistryValue& v : key.values) {
      out += (v.name.empty() ? std::string("@") : Quote(v.name)) + "=" + FormatData(v) + "\n";
    }
  }
  return out;
}

RegistryKey* RegistryTree::Find(const std::string& path) {
  auto it = keys_.find(Lower(path));
  return it == keys_.end() ? nullptr : &it->second;
}

bool RegistryTree::Create(const std::string& path) {
  // Every key below the root on the way down to the path itself; the root is implied.
  bool created = false;
  for (size_t slash = path.find('\\'); slash != std::string::npos;) {
    size_t next = path.find('\\', slash + 1);
    std::string prefix = path.substr(0, next);
    if (!Find(prefix)) {
      keys_[Lower(prefix)] = RegistryKey{prefix, {}};
      created = true;
    }
    slash = next;
  }
  return created;
}

}  // namespace win32
