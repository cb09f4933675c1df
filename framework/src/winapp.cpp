#include "framework/winapp.h"

#include "res/resource_ids.h"

namespace {
CWinApp* g_app = nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR appName) {
  if (appName) {
    appName_ = appName;
    m_pszAppName = appName_.c_str();
  }
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

void CWinApp::InitApplication(HINSTANCE instance) {
  m_hInstance = instance;

  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(instance, path, MAX_PATH);
  std::string file(path, n);
  size_t slash = file.find_last_of("\\/:");
  file = slash == std::string::npos ? file : file.substr(slash + 1);
  size_t dot = file.rfind('.');
  exeName_ = dot == std::string::npos ? file : file.substr(0, dot);
  m_pszExeName = exeName_.c_str();

  if (!m_pszAppName) {
    CString title;
    title.LoadString(AFX_IDS_APP_TITLE);
    appName_ = title.IsEmpty() ? exeName_ : std::string(static_cast<LPCTSTR>(title));
    m_pszAppName = appName_.c_str();
  }

  profileName_ = exeName_ + ".INI";
  m_pszProfileName = profileName_.c_str();
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
  // The program has no main window: the message loop ends at once with exit code 0.
  exitCode_ = 0;
  return ExitInstance();
}

int CWinApp::ExitInstance() { return exitCode_; }

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetResourceHandle() { return g_app ? g_app->m_hInstance : nullptr; }
