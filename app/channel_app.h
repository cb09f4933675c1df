// The application object: start-up, the settings store and the install paths.
#pragma once

#include "framework/framework.h"

class CChannelApp : public CWinApp {
 public:
  CChannelApp();

  BOOL InitInstance() override;
  int ExitInstance() override;

  // Reads PATHS/HOME into m_strHomeDir, which then ends in a backslash.
  void LoadHomeDir();
  // The path of a PATHS entry, ending in a backslash, with a leading ".\" standing for the
  // home directory. The disc drive prefix of the selector and the player is taken from it.
  CString ResolveProfilePath(LPCTSTR section, LPCTSTR entry);

  CString m_strHomeFallback;  // nothing assigns it: a missing HOME gives an empty home
  CString m_strHomeDir;

  DECLARE_MESSAGE_MAP()
};

extern CChannelApp theApp;
