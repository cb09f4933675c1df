// The playback operations run headless on the virtual clock, with drive E: mapped to a
// folder of test files made here and the event log in a file of its own.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "playback_test.h"

std::string g_testRoot;

std::string TestLogPath() { return g_testRoot + "/log.jsonl"; }

int main(int argc, char** argv) {
  char folder[] = "/tmp/channels-playback-XXXXXX";
  if (!mkdtemp(folder)) return 1;
  g_testRoot = folder;
  mkdir((g_testRoot + "/disc").c_str(), 0755);
  mkdir((g_testRoot + "/disc/DATA").c_str(), 0755);
  std::ofstream(g_testRoot + "/disc/DATA/Movie.SMK") << "0123456789";
  setenv("CHANNELS_BACKEND", "headless", 1);
  setenv("CHANNELS_CLOCK", "virtual", 1);
  setenv("CHANNELS_DRIVES", ("E:=" + g_testRoot + "/disc").c_str(), 1);
  setenv("CHANNELS_LOG", TestLogPath().c_str(), 1);
  unsetenv("CHANNELS_SCRIPT");
  testing::InitGoogleTest(&argc, argv);
  int result = RUN_ALL_TESTS();
  std::string clean = "rm -rf '" + g_testRoot + "'";
  if (system(clean.c_str()) != 0) return 1;
  return result;
}
