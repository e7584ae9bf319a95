# Shared part of the two mingw-w64 toolchains. The posix-thread variants of the
# compilers are taken when present (std::thread and friends need them).
foreach(variant -posix "")
  if(NOT CMAKE_CXX_COMPILER)
    find_program(_pq_cxx ${PQ_MINGW_PREFIX}-g++${variant})
    find_program(_pq_cc ${PQ_MINGW_PREFIX}-gcc${variant})
    if(_pq_cxx AND _pq_cc)
      set(CMAKE_CXX_COMPILER ${_pq_cxx})
      set(CMAKE_C_COMPILER ${_pq_cc})
    endif()
    unset(_pq_cxx CACHE)
    unset(_pq_cc CACHE)
  endif()
endforeach()
set(CMAKE_RC_COMPILER ${PQ_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PQ_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Link the C and C++ runtimes statically: the .exe needs only system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests built for Windows run under Wine, in the build folder's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/run-in-wine.sh)
