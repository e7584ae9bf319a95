/* The headers the catalogue is generated from, in this order. winsock2.h
   must come before windows.h (which would otherwise pull in winsock.h). */
// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <shellapi.h>
#include <commdlg.h>
#include <winspool.h>
#include <mmsystem.h>
#include <shlobj.h>
#include <tlhelp32.h>
#include <psapi.h>
#include <lm.h>
#include <winnetwk.h>
#include <wininet.h>
#include <richedit.h>
#include <commctrl.h>
#include <shlwapi.h>
#include <iphlpapi.h>
#include <uxtheme.h>
#include <dwmapi.h>
#include <wtsapi32.h>
#include <aclapi.h>
#include <sddl.h>
// clang-format on
