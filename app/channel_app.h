// The application object: start-up, the settings store and the install paths.
#pragma once

#include <cstdint>

#include "framework/framework.h"

class CChannelApp : public CWinApp {
 public:
  CChannelApp();

  BOOL InitInstance() override;
  int ExitInstance() override;

  // Reads PATHS/HOME into m_strHomeDir, which then ends in a backslash.
  void LoadHomeDir();
  // The path of a PATHS entry, ending in a backslash, with a leading ".\" standing for the
  // home directory.
  CString ResolveProfilePath(LPCTSTR section, LPCTSTR entry);

  CString m_strHomeFallback;  // nothing assigns it: a missing HOME gives an empty home
  CString m_strHomeDir;

  DECLARE_MESSAGE_MAP()
};

extern CChannelApp theApp;

// 1 once the movie window class is registered; the selector is shown only then.
extern int32_t g_movieClassRegistered;

// The drive of the disc the extras were installed from: the first two characters of the
// resolved PATHS/GOODIES path (the whole path when shorter). Computed anew at every use.
CString DiscDrivePrefix();
