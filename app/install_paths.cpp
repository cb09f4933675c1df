// The home directory and the paths of the game's installation.
#include "channel_app.h"

void CChannelApp::LoadHomeDir() {
  CString home = GetProfileString("PATHS", "HOME");
  m_strHomeDir = home.IsEmpty() ? m_strHomeFallback : home;
  if (m_strHomeDir.IsEmpty() || m_strHomeDir[m_strHomeDir.GetLength() - 1] != '\\') {
    m_strHomeDir += '\\';
  }
}

CString CChannelApp::ResolveProfilePath(LPCTSTR section, LPCTSTR entry) {
  CString path = GetProfileString(section, entry);
  // The backslash comes first, so a lone "." also stands for the home directory.
  if (path.IsEmpty() || path[path.GetLength() - 1] != '\\') path += '\\';
  if (path.Left(2) == ".\\") path = m_strHomeDir + path.Mid(2);
  return path;
}

CString DiscDrivePrefix() { return theApp.ResolveProfilePath("PATHS", "GOODIES").Left(2); }
