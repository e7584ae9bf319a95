# Fails when a source of the portable core includes a Windows header.
# LIST_FILE holds the core's sources as a CMake list.
file(READ "${LIST_FILE}" files)
set(bad "")
foreach(f IN LISTS files)
  file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]([A-Za-z0-9_]+/)*(windows|winuser|wingdi|winbase|windef|winnt|commctrl|richedit|shellapi|shlobj|commdlg|objbase|ole2|winspool|mmsystem|winsock2|ws2tcpip|winreg|wincon|shlwapi|oleauto|tchar)\\.h[>\"]")
  if(lines)
    list(APPEND bad "${f}: ${lines}")
  endif()
endforeach()
if(bad)
  string(REPLACE ";" "\n" bad "${bad}")
  message(FATAL_ERROR "The portable core must not include Windows headers:\n${bad}")
endif()
