#include "channel_app.h"

#include <cstdint>

#include "display_check.h"
#include "install/install_paths.h"
#include "player/movie_window.h"
#include "res/resource_ids.h"
#include "selector/remote_dlg.h"
#include "string_message.h"
#include "windows_version.h"

CChannelApp theApp;

namespace {

// 1 once the movie window class is registered; the selector is shown only then.
int32_t g_movieClassRegistered = 0;

}  // namespace

BEGIN_MESSAGE_MAP(CChannelApp, CWinApp)
END_MESSAGE_MAP()

CChannelApp::CChannelApp() : CWinApp(nullptr) {
  // The disc drive prefix of the selector and the player comes from this object's settings.
  SetProfilePathResolver(
      [](LPCTSTR section, LPCTSTR entry) { return theApp.ResolveProfilePath(section, entry); });
}

BOOL CChannelApp::InitInstance() {
  SetRegistryKey("Kulvo");
  LoadHomeDir();
  CheckDisplay();
  if (!IsSupportedWindowsVersion(GetVersion())) {
    ShowStringMessage(IDS_WINDOWS_TOO_OLD);
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
