// rcpack: the script subset it understands, what it builds from it, and its errors.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "base/little_endian.h"
#include "script_packer.h"

namespace {

using rcpack::Bytes;
using rcpack::PackedScript;
using rcpack::ScriptError;

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Files the scripts below may name or include.
Bytes readFixture(const std::string& path) {
  static const std::map<std::string, Bytes> files = {
      {"tiny.bmp", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}},
      {"not-an-icon.ico", {1, 2, 3, 4, 5, 6, 7}},
      {"short.ico", {0, 0, 1, 0, 1, 0, 16, 16, 16, 0, 1, 0, 4, 0, 0xFF, 0, 0, 0, 22, 0, 0, 0}},
      {"ids.h", text("#pragma once\n// names\n#define IDB_TINY 5  // the picture\n"
                     "# define IDS_HELLO 0x11U /* a text */\n#include \"sub/more.h\"\n")},
      {"sub/more.h", text("#pragma once\n#include \"deeper.h\"\n")},
      {"sub/deeper.h", text("#define IDS_BYE 18\n")},
      {"bad.h", text("\n#define IDS_NOTHING\n")},
      {"self.h", text("#include \"self.h\"\n")},
  };
  const auto found = files.find(path);
  if (found == files.end()) throw ScriptError(path + ": cannot open file");
  return found->second;
}

PackedScript pack(const std::string& script) {
  return rcpack::packScript(script, "test.rc", readFixture);
}

Bytes fromHex(const std::string& hex) {
  Bytes bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

TEST(Rcpack, StringsTakeEscapesQuotesAndCodePage1252) {
  const PackedScript packed = pack(
      "#pragma code_page(1252)\n"
      "LANGUAGE 9, 1\n"
      "STRINGTABLE\nBEGIN\n"
      "  17, \"say \"\"hi\"\"\\t\\n\\xAE\\200\\x80\\\\\x9D\\x81\"\n"
      "END\n");
  ASSERT_EQ(packed.resources.size(), 1u);
  const rcpack::Resource& block = packed.resources[0];
  EXPECT_EQ(block.type, 6);
  EXPECT_EQ(block.id, 2);  // numbers 16 to 31
  EXPECT_EQ(block.language, 0x0409);
  // The bytes the code page leaves undefined become the C1 controls of the same value.
  Bytes expected = {0, 0, 16, 0};  // slot 16 empty, slot 17 holds 16 characters
  for (char16_t c : std::u16string(u"say \"hi\"\t\n\u00AE\u20AC\u20AC\\\u009D\u0081"))
    base::appendLe16(expected, c);
  expected.resize(expected.size() + 14 * 2, 0);  // slots 18 to 31 empty
  EXPECT_EQ(block.data, expected);
}

// Names #defined as numbers, in the script or in files it includes (each found next to the
// file that includes it, each read once when it says #pragma once), stand for their numbers.
TEST(Rcpack, NamesDefinedInIncludedFilesStandForTheirNumbers) {
  const PackedScript packed = pack(
      "#include \"ids.h\"\n#include \"ids.h\"\n#define IDB_OTHER 6\n"
      "IDB_TINY BITMAP \"tiny.bmp\"\nIDB_OTHER BITMAP \"tiny.bmp\"\n"
      "STRINGTABLE\nBEGIN\n  IDS_HELLO \"hi\"\n  IDS_BYE, \"bye\"\nEND\n");
  ASSERT_EQ(packed.resources.size(), 3u);
  EXPECT_EQ(packed.resources[0].id, 5);
  EXPECT_EQ(packed.resources[1].id, 6);
  EXPECT_EQ(packed.resources[2].id, 2);  // the block of 17 and 18
  EXPECT_EQ(packed.files, (std::vector<std::string>{"ids.h", "sub/more.h", "sub/deeper.h",
                                                    "tiny.bmp", "tiny.bmp"}));
}

TEST(Rcpack, BitmapLosesItsFileHeaderAndIconsAreNumberedInOrder) {
  const PackedScript packed = pack("5 BITMAP \"tiny.bmp\"\n");
  ASSERT_EQ(packed.resources.size(), 1u);
  EXPECT_EQ(packed.resources[0].data, (Bytes{40, 0, 0, 0}));
  EXPECT_EQ(packed.files, (std::vector<std::string>{"tiny.bmp"}));
}

// Odd-length texts, an empty text and a binary value, as the Windows resource compiler lays
// them out (bytes taken from its output for the same script).
TEST(Rcpack, VersionRecordPadsEveryPartToFourBytes) {
  const PackedScript packed = pack(
      "1 VERSIONINFO\nFILEVERSION 1,0,0,1\nPRODUCTVERSION 2,0,0,0\nFILEFLAGSMASK 0x3F\nFILEFLAGS "
      "0x8\n"
      "FILEOS 0x40004\nFILETYPE 0x1\nBEGIN\n"
      "  BLOCK \"StringFileInfo\"\n  BEGIN\n    BLOCK \"040904B0\"\n    BEGIN\n"
      "      VALUE \"Ab\", \"Ab\"\n      VALUE \"E\", \"\"\n      VALUE \"X\", \"x\\xAE\"\n"
      "    END\n  END\n"
      "  BLOCK \"VarFileInfo\"\n  BEGIN\n    VALUE \"Translation\", 0x0409, 0x04B0\n  END\n"
      "END\n");
  ASSERT_EQ(packed.resources.size(), 1u);
  EXPECT_EQ(packed.resources[0].data,
            fromHex("140134000000560053005f00560045005200530049004f004e005f0049004e00"
                    "46004f0000000000bd04effe0000010000000100010000000000020000000000"
                    "3f00000008000000040004000100000000000000000000000000000072000000"
                    "010053007400720069006e006700460069006c00650049006e0066006f000000"
                    "4e00000001003000340030003900300034004200300000001200030001004100"
                    "6200000041006200000000000e00010001004500000000000000000012000300"
                    "01005800000000007800ae000000000044000000010056006100720046006900"
                    "6c00650049006e0066006f00000000002400040000005400720061006e007300"
                    "6c006100740069006f006e00000000000904b004"));
}

TEST(Rcpack, RejectsWhatItDoesNotUnderstandWithTheLine) {
  struct Case {
    const char* script;
    const char* message;
  };
  const Case cases[] = {
      {"#include <windows.h>\n", "test.rc:1: unsupported preprocessor line"},
      {"#pragma code_page(65001)\n", "test.rc:1: unsupported preprocessor line"},
      {"\n\n1 MENU\n", "test.rc:3: unsupported resource type"},
      {"IDD_PANEL DIALOG 0, 0, 1, 1\n",
       "test.rc:1: expected a resource statement, found 'IDD_PANEL' (resource names must be "
       "#defined as numbers)"},
      {"#include \"missing.h\"\n", "test.rc:1: missing.h: cannot open file"},
      {"#include \"bad.h\"\n", "bad.h:2: #define IDS_NOTHING must stand for a number"},
      {"#include \"self.h\"\n", "self.h:1: #include nested too deeply"},
      {"#define A B\n", "test.rc:1: #define A must stand for a number"},
      {"#define A 1 2\n", "test.rc:1: #define A must stand for a number"},
      {"#define F(x) 1\n", "test.rc:1: #define F: macros with parameters are not supported"},
      {"#define A 1\n#define A 2\n", "test.rc:2: A is #defined twice with different values"},
      {"#define A 99999999999\n", "test.rc:1: number does not fit in 32 bits"},
      {"70000 BITMAP \"tiny.bmp\"\n", "test.rc:1: the resource number must fit in 16 bits"},
      {"1 BITMAP \"tiny.bmp\"\n1 BITMAP \"tiny.bmp\"\n",
       "test.rc:2: resource 1 of this type is declared twice"},
      {"1 BITMAP \"missing.bmp\"\n", "test.rc:1: missing.bmp: cannot open file"},
      {"1 BITMAP \"not-an-icon.ico\"\n", "test.rc:1: not a .bmp file"},
      {"1 ICON \"not-an-icon.ico\"\n", "test.rc:1: not-an-icon.ico: not an icon file"},
      {"1 ICON \"short.ico\"\n", "test.rc:1: short.ico: image 1 lies outside the file"},
      {"STRINGTABLE\nBEGIN\n1 \"a\"\n1 \"b\"\nEND\n", "test.rc:4: string 1 is declared twice"},
      {"STRINGTABLE BEGIN 1 \"open\nEND\n", "test.rc:1: string is not closed"},
      {"STRINGTABLE BEGIN 1 \"\\q\" END\n", "test.rc:1: unknown escape '\\q'"},
      {"STRINGTABLE BEGIN 1 \"\\xAEB\" END\n", "test.rc:1: \\x escape above 0xFF"},
      {"STRINGTABLE BEGIN 1 L\"wide\" END\n", "test.rc:1: wide strings"},
      {"STRINGTABLE BEGIN 1 \"a\"\n", "test.rc:2: expected a number for the string number"},
      {"/* open\n\n", "test.rc:1: comment is not closed"},
      {"1 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n", "test.rc:1: dialog needs a STYLE statement"},
      {"1 DIALOG 0, 0, 10, 10\nCAPTION \"x\"\n", "test.rc:2: unsupported dialog statement"},
      {"1 DIALOG 0, 0, 10, 10 STYLE 1\nBEGIN\nPUSHBUTTON\nEND\n",
       "test.rc:3: dialog controls are not supported"},
      {"1 VERSIONINFO\nFILEDATE 1\n", "test.rc:2: unsupported VERSIONINFO statement"},
      {"1 VERSIONINFO BEGIN VALUE \"n\", 70000 END\n", "test.rc:1: the value must fit in 16 bits"},
      {"LANGUAGE 0x400, 1\n", "test.rc:1: language out of range"},
      {"99999999999 BITMAP\n", "test.rc:1: number does not fit in 32 bits"},
      {"1 BITMAP \"tiny.bmp\" 2x\n", "test.rc:1: malformed number"},
      {"1 BITMAP @\n", "test.rc:1: unexpected character '@'"},
  };
  for (const Case& c : cases) {
    try {
      pack(c.script);
      ADD_FAILURE() << "accepted: " << c.script;
    } catch (const ScriptError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << "script: " << c.script << "\nmessage: " << e.what();
    }
  }
}

}  // namespace
