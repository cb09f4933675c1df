// The game's installation as its settings describe it: PATHS entries resolved against the home
// directory, and the drive of the disc the extras came from. The application object, the
// selector and the player all stand on this unit; the application object provides the
// resolver (its ResolveProfilePath) that the disc drive prefix is taken from.
#pragma once

#include "framework/framework.h"

// A PATHS value as the system uses it: it ends in a backslash, and a leading ".\" stands for
// `homeDir` (which ends in one). The backslash is added first, so a lone "." also stands for
// the home directory.
CString ResolveInstallPath(CString path, const CString& homeDir);

// Reads a settings entry and resolves it as above.
using ProfilePathResolver = CString (*)(LPCTSTR section, LPCTSTR entry);

// Names the resolver of DiscDrivePrefix; the application object does so when it is made.
void SetProfilePathResolver(ProfilePathResolver resolver);

// The drive of the disc the extras were installed from: the first two characters of the
// resolved PATHS/GOODIES path (the whole path when shorter). Computed anew at every use.
CString DiscDrivePrefix();
