// The Linux table against the Windows program: every resource that windres linked into
// channels.exe must be in the table with the same bytes, and the table must hold nothing else.
// Without channels.exe the comparison is skipped, unless CHANNELS_REQUIRE_WIN32_EXE is set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <tuple>

#include "pe_resources.h"
#include "win32/module_resources.h"

namespace {

using Key = std::tuple<uint16_t, uint16_t, uint16_t>;  // type, number, language

TEST(WindowsProgram, HoldsTheSameResourcesByteForByte) {
  std::ifstream in(CHANNELS_WIN32_EXE, std::ios::binary);
  if (!in) {
    // A test command that has built the program says so; only then is its absence a fault.
    if (std::getenv("CHANNELS_REQUIRE_WIN32_EXE"))
      FAIL() << CHANNELS_WIN32_EXE << " is missing, but CHANNELS_REQUIRE_WIN32_EXE is set";
    GTEST_SKIP() << CHANNELS_WIN32_EXE
                 << " is not built (configure with -DCHANNELS_WIN32_EXE=... to use another)";
  }
  const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};

  std::map<Key, std::vector<uint8_t>> windows;
  for (channels_test::PeResource& r : channels_test::readPeResources(file))
    windows[{r.type, r.id, r.language}] = std::move(r.data);

  std::map<Key, std::vector<uint8_t>> linux;
  for (std::size_t i = 0; i < win32::g_moduleResources.count; ++i) {
    const win32::ModuleResource& r = win32::g_moduleResources.entries[i];
    linux[{r.type, r.id, r.language}].assign(r.data, r.data + r.size);
  }

  for (const auto& [key, bytes] : windows) {
    const auto [type, id, language] = key;
    const auto found = linux.find(key);
    if (found == linux.end()) {
      ADD_FAILURE() << "type " << type << " number " << id << " language " << language
                    << " missing on Linux";
      continue;
    }
    EXPECT_EQ(found->second.size(), bytes.size()) << "type " << type << " number " << id;
    EXPECT_TRUE(found->second == bytes) << "type " << type << " number " << id << " differs";
  }
  for (const auto& [key, bytes] : linux) {
    const auto [type, id, language] = key;
    EXPECT_TRUE(windows.count(key)) << "type " << type << " number " << id << " only on Linux";
  }
}

TEST(WindowsProgram, ReaderRejectsWhatIsNotAProgram) {
  const std::vector<std::vector<uint8_t>> files = {{}, {'M', 'Z'}, std::vector<uint8_t>(256, 0)};
  for (const std::vector<uint8_t>& file : files)
    EXPECT_THROW(channels_test::readPeResources(file), std::runtime_error);
}

}  // namespace
