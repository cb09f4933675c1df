#include "channel_app.h"

#include "display_check.h"
#include "player/movie_window.h"
#include "selector/remote_dlg.h"
#include "string_message.h"
#include "windows_version.h"

CChannelApp theApp;
int32_t g_movieClassRegistered = 0;

BEGIN_MESSAGE_MAP(CChannelApp, CWinApp)
END_MESSAGE_MAP()

CChannelApp::CChannelApp() : CWinApp(nullptr) {}

BOOL CChannelApp::InitInstance() {
  SetRegistryKey("Kulvo");
  LoadHomeDir();
  CheckDisplay();
  if (!IsSupportedWindowsVersion(GetVersion())) {
    ShowStringMessage(238);
    return FALSE;
  }

  WNDCLASSA movieClass = {};
  movieClass.style = CS_NOCLOSE;
  movieClass.lpfnWndProc = MovieWndProc;
  movieClass.hInstance = m_hInstance;
  movieClass.lpszClassName = "KulvoMovie";
  if (RegisterClassA(&movieClass)) g_movieClassRegistered = 1;

  if (g_movieClassRegistered == 1) {
    CRemoteDlg remote(nullptr);
    remote.DoModal();  // whichever command closed it, the program ends the same way
  }
  return TRUE;
}

int CChannelApp::ExitInstance() { return CWinApp::ExitInstance(); }
