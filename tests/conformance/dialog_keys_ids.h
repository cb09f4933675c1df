// The resource numbers of the dialog_keys program.
#pragma once

#define IDD_KEYS 100
