# The Windows program for 64-bit Windows on Intel and AMD processors (and Windows 11 on ARM).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZELVANU_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
