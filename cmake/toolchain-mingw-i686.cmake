# Cross build for 32-bit Windows with Debian's MinGW-w64 (i686, posix thread
# model). Third-party libraries come from scripts/setup-windows.sh's prefix.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(ZQ_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${ZQ_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZQ_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZQ_MINGW_TRIPLET}-windres)

if(NOT ZQ_WIN32_DEPS)
  if(DEFINED ENV{ZQ_WIN32_CACHE})
    set(ZQ_WIN32_DEPS "$ENV{ZQ_WIN32_CACHE}/prefix")
  else()
    set(ZQ_WIN32_DEPS "$ENV{HOME}/.cache/gim-zq/win32-i686/prefix")
  endif()
endif()
set(ZQ_WIN32_DEPS "${ZQ_WIN32_DEPS}" CACHE PATH "Prefix of the cross-built third-party libraries")

set(CMAKE_FIND_ROOT_PATH "/usr/${ZQ_MINGW_TRIPLET}" "${ZQ_WIN32_DEPS}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config sees only the cross-built libraries.
set(ENV{PKG_CONFIG_LIBDIR} "${ZQ_WIN32_DEPS}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

# The runtime (libgcc, libstdc++, winpthread) goes into each binary: they need
# nothing beyond Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
# What is shipped carries no symbols.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_SHARED_LINKER_FLAGS_RELEASE_INIT "-s")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
