#include "install_paths.h"

namespace {

ProfilePathResolver g_resolver = nullptr;

}  // namespace

CString ResolveInstallPath(CString path, const CString& homeDir) {
  if (path.IsEmpty() || path[path.GetLength() - 1] != '\\') path += '\\';
  if (path.Left(2) == ".\\") path = homeDir + path.Mid(2);
  return path;
}

void SetProfilePathResolver(ProfilePathResolver resolver) { g_resolver = resolver; }

CString DiscDrivePrefix() { return g_resolver("PATHS", "GOODIES").Left(2); }
