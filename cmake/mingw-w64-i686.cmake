# The Windows program for 32-bit Windows, which 64-bit Windows and Windows 10 on ARM also run.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZELVANU_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
