// Read-only files through the drive map.
#include <gtest/gtest.h>

#include <string>

#include "win32_api.h"

namespace {

HANDLE Open(const char* path, DWORD access = GENERIC_READ) {
  return CreateFileA(path, access, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

TEST(File, OpensByDosPathIgnoringCaseAndReadsSeeksAndSizes) {
  HANDLE file = Open("e:\\data\\MOVIE.smk");
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
  DWORD high = 99;
  EXPECT_EQ(GetFileSize(file, &high), 10u);
  EXPECT_EQ(high, 0u);

  char buffer[8] = {};
  DWORD read = 0;
  ASSERT_TRUE(ReadFile(file, buffer, 4, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "0123");
  EXPECT_EQ(SetFilePointer(file, 2, nullptr, FILE_CURRENT), 6u);
  ASSERT_TRUE(ReadFile(file, buffer, 8, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "6789");  // a short read at the end
  ASSERT_TRUE(ReadFile(file, buffer, 8, &read, nullptr));
  EXPECT_EQ(read, 0u);  // at the end: success, nothing read
  EXPECT_EQ(SetFilePointer(file, -3, nullptr, FILE_END), 7u);
  EXPECT_EQ(SetFilePointer(file, 1, nullptr, FILE_BEGIN), 1u);
  ASSERT_TRUE(ReadFile(file, buffer, 1, &read, nullptr));
  EXPECT_EQ(buffer[0], '1');

  EXPECT_EQ(SetFilePointer(file, -5, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
  EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 2u);  // unchanged by the failure

  EXPECT_TRUE(CloseHandle(file));
  EXPECT_FALSE(CloseHandle(file));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(File, OpenFailuresNameTheirCause) {
  struct Case {
    const char* path;
    DWORD access;
    DWORD error;
  } cases[] = {
      {"E:\\DATA\\NONE.SMK", GENERIC_READ, ERROR_FILE_NOT_FOUND},
      {"E:\\NOWHERE\\MOVIE.SMK", GENERIC_READ, ERROR_PATH_NOT_FOUND},
      {"Q:\\DATA\\MOVIE.SMK", GENERIC_READ, ERROR_PATH_NOT_FOUND},               // no such drive
      {"E:\\DATA", GENERIC_READ, ERROR_ACCESS_DENIED},                           // a folder
      {"E:\\DATA\\MOVIE.SMK", GENERIC_READ | 0x40000000L, ERROR_ACCESS_DENIED},  // writing
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_EQ(Open(c.path, c.access), INVALID_HANDLE_VALUE) << c.path;
    EXPECT_EQ(GetLastError(), c.error) << c.path;
  }
}

TEST(File, HandlesThatAreNotOpenFilesAreRefused) {
  HANDLE timer = CreateWaitableTimerA(nullptr, FALSE, nullptr);
  ASSERT_NE(timer, nullptr);
  char byte;
  DWORD read = 7;
  for (HANDLE bad : {static_cast<HANDLE>(nullptr), INVALID_HANDLE_VALUE, timer,
                     reinterpret_cast<HANDLE>(4000)}) {
    SetLastError(0);
    EXPECT_FALSE(ReadFile(bad, &byte, 1, &read, nullptr));
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GetFileSize(bad, nullptr), INVALID_FILE_SIZE);
  }
  EXPECT_TRUE(CloseHandle(timer));
}

TEST(File, AReadThatFailsIsAnErrorValue) {
  // Reading this process's memory at address 0 fails in the kernel, like a bad sector.
  HANDLE file = Open("C:\\PROC\\SELF\\MEM");
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
  char buffer[16];
  DWORD read = 5;
  EXPECT_FALSE(ReadFile(file, buffer, sizeof buffer, &read, nullptr));
  EXPECT_EQ(read, 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_READ_FAULT));
  CloseHandle(file);
}

}  // namespace
