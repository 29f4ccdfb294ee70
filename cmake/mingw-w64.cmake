# Cross-builds the Windows program (Win32 API) with MinGW-w64 on Debian, and runs what it builds
# through Wine, so that CTest runs the Windows tests here. Included by the toolchain file of each
# architecture, which sets ZELVANU_MINGW_TRIPLET and CMAKE_SYSTEM_PROCESSOR first. The -posix
# compilers are the ones whose C++ library has threads, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${ZELVANU_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZELVANU_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZELVANU_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZELVANU_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the C++ runtime is linked in, only system DLLs are imported.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine in the project's private session (scripts/wine-session): its prefix, Japanese locale and
# X server. The one 64-bit prefix runs the programs of both architectures.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-env)
