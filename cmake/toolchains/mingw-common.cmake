# The part of the mingw-w64 cross toolchains that both architectures share. The including file sets
# TARNWICK_TRIPLET and CMAKE_SYSTEM_PROCESSOR first. libgcc, libstdc++ and winpthread are linked
# statically, so what this builds imports only DLLs that come with Windows.
#
# libarchive and libpng are not packaged by Debian for mingw; scripts/deps builds them into
# <cache>/deps/<triplet> (TARNWICK_DEPS_PREFIX), which is searched together with /usr/<triplet>.

set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${TARNWICK_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARNWICK_TRIPLET}-g++-posix)
set(CMAKE_ASM_COMPILER ${TARNWICK_TRIPLET}-gcc-posix)
set(CMAKE_RC_COMPILER  ${TARNWICK_TRIPLET}-windres)

# Same cache location as scripts/deps: $TARNWICK_CACHE, else $XDG_CACHE_HOME/tarnwick, else ~/.cache/tarnwick.
if(NOT TARNWICK_DEPS_PREFIX)
  if(NOT "$ENV{TARNWICK_CACHE}" STREQUAL "")
    set(_tarnwickCache "$ENV{TARNWICK_CACHE}")
  elseif(NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(_tarnwickCache "$ENV{XDG_CACHE_HOME}/tarnwick")
  else()
    set(_tarnwickCache "$ENV{HOME}/.cache/tarnwick")
  endif()
  set(TARNWICK_DEPS_PREFIX "${_tarnwickCache}/deps/${TARNWICK_TRIPLET}")
  unset(_tarnwickCache)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TARNWICK_DEPS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${TARNWICK_TRIPLET} "${TARNWICK_DEPS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
