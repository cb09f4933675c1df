// The home directory and the paths of the game's installation.
#include "install/install_paths.h"

#include "channel_app.h"

void CChannelApp::LoadHomeDir() {
  CString home = GetProfileString("PATHS", "HOME");
  m_strHomeDir = home.IsEmpty() ? m_strHomeFallback : home;
  if (m_strHomeDir.IsEmpty() || m_strHomeDir[m_strHomeDir.GetLength() - 1] != '\\') {
    m_strHomeDir += '\\';
  }
}

CString CChannelApp::ResolveProfilePath(LPCTSTR section, LPCTSTR entry) {
  return ResolveInstallPath(GetProfileString(section, entry), m_strHomeDir);
}
