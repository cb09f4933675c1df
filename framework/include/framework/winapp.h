// CWinApp: the application object. The framework's entry point initialises it, calls
// InitInstance once, then runs it and ends the process with ExitInstance's code.
#pragma once

#include <string>

#include "framework/cstring.h"
#include "framework/message_map.h"

class CWinApp : public CCmdTarget {
 public:
  // With no name, the application takes its name from string AFX_IDS_APP_TITLE (or the
  // executable's base name when that entry is missing or empty) during the framework's
  // initialisation.
  explicit CWinApp(LPCTSTR appName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance();
  virtual int Run();
  virtual int ExitInstance();

  // The settings store: the registry under HKEY_CURRENT_USER\Software\<company>\<application>
  // once a company key is set, else a private profile file named after the executable.
  void SetRegistryKey(LPCTSTR company);
  CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr);
  UINT GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue);
  BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value);

  HINSTANCE m_hInstance = nullptr;
  LPCTSTR m_pszAppName = nullptr;
  LPCTSTR m_pszExeName = nullptr;
  LPCTSTR m_pszProfileName = nullptr;
  LPCTSTR m_pszRegistryKey = nullptr;

  // Sets instance, executable name, application name and profile name.
  void InitApplication(HINSTANCE instance);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  const AFX_MSGMAP* GetMessageMap() const override;

 private:
  // Opens HKCU\Software\<company>\<application>\<section>, creating what is missing on the
  // way; null when any key cannot be opened or created.
  HKEY OpenSectionKey(LPCTSTR section);

  std::string appName_;
  std::string exeName_;
  std::string profileName_;
  std::string registryKey_;
  int exitCode_ = 0;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetResourceHandle();
