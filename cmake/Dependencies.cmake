# The three libraries the program uses, as imported targets for every build:
#   deps::zlib     zlib
#   deps::archive  libarchive (reads the embedded zip archives)
#   deps::png      libpng (decodes the embedded pictures)
#
# Windows (mingw-w64 cross builds): static libraries. zlib is Debian's libz-mingw-w64-dev in
# /usr/<triplet>; libarchive and libpng are built by scripts/deps into TARNWICK_DEPS_PREFIX, by default
# <cache>/deps/<triplet> with <cache> = $TARNWICK_CACHE, else $XDG_CACHE_HOME/tarnwick, else
# ~/.cache/tarnwick (the same rule as scripts/deps and the toolchain files).
# Native: Debian's libarchive-dev, libpng-dev and zlib1g-dev.

include_guard(GLOBAL)

if(WIN32)
  if(NOT TARNWICK_TRIPLET)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      set(TARNWICK_TRIPLET x86_64-w64-mingw32)
    else()
      set(TARNWICK_TRIPLET i686-w64-mingw32)
    endif()
  endif()
  if(NOT "$ENV{TARNWICK_CACHE}" STREQUAL "")
    set(_tarnwickCache "$ENV{TARNWICK_CACHE}")
  elseif(NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(_tarnwickCache "$ENV{XDG_CACHE_HOME}/tarnwick")
  else()
    set(_tarnwickCache "$ENV{HOME}/.cache/tarnwick")
  endif()
  if(NOT TARNWICK_DEPS_PREFIX)
    set(TARNWICK_DEPS_PREFIX "${_tarnwickCache}/deps/${TARNWICK_TRIPLET}")
  endif()
  set(TARNWICK_DEPS_PREFIX "${TARNWICK_DEPS_PREFIX}" CACHE PATH
      "Install prefix of the static libarchive and libpng built by scripts/deps")
  unset(_tarnwickCache)

  set(_depsStamp "${TARNWICK_DEPS_PREFIX}/deps.stamp")
  set(_archiveLibrary "${TARNWICK_DEPS_PREFIX}/lib/libarchive.a")
  set(_pngLibrary "${TARNWICK_DEPS_PREFIX}/lib/libpng16.a")
  foreach(_file IN ITEMS "${_depsStamp}" "${_archiveLibrary}" "${_pngLibrary}"
                         "${TARNWICK_DEPS_PREFIX}/include/archive.h" "${TARNWICK_DEPS_PREFIX}/include/png.h")
    if(NOT EXISTS "${_file}")
      message(FATAL_ERROR "Static libarchive/libpng for ${TARNWICK_TRIPLET} not found (${_file} is missing): "
                          "run scripts/deps first, or point TARNWICK_DEPS_PREFIX at their install prefix.")
    endif()
  endforeach()
  # Rebuilding the libraries (scripts/deps rewrites the stamp) re-runs the configure step.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_depsStamp}")

  # Debian's mingw zlib ships libz.a beside the import library libz.dll.a; name the static one.
  find_library(TARNWICK_ZLIB_LIBRARY NAMES libz.a
               DOC "Static zlib for ${TARNWICK_TRIPLET} (libz-mingw-w64-dev)")
  find_path(TARNWICK_ZLIB_INCLUDE_DIR zlib.h)
  if(NOT TARNWICK_ZLIB_LIBRARY OR NOT TARNWICK_ZLIB_INCLUDE_DIR)
    message(FATAL_ERROR "Static zlib for ${TARNWICK_TRIPLET} not found: run scripts/deps first "
                        "(it installs libz-mingw-w64-dev).")
  endif()

  add_library(deps::zlib STATIC IMPORTED GLOBAL)
  set_target_properties(deps::zlib PROPERTIES
    IMPORTED_LOCATION "${TARNWICK_ZLIB_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${TARNWICK_ZLIB_INCLUDE_DIR}")

  # libarchive built with zlib only: its Windows code uses the CryptoAPI (advapi32) for hashes and
  # random numbers; the rest comes from kernel32 and msvcrt, which every program links.
  add_library(deps::archive STATIC IMPORTED GLOBAL)
  set_target_properties(deps::archive PROPERTIES
    IMPORTED_LOCATION "${_archiveLibrary}"
    INTERFACE_INCLUDE_DIRECTORIES "${TARNWICK_DEPS_PREFIX}/include"
    INTERFACE_COMPILE_DEFINITIONS LIBARCHIVE_STATIC
    INTERFACE_LINK_LIBRARIES "deps::zlib;advapi32")

  # libpng's headers need no definition for static use (dllimport only with PNG_USE_DLL).
  add_library(deps::png STATIC IMPORTED GLOBAL)
  set_target_properties(deps::png PROPERTIES
    IMPORTED_LOCATION "${_pngLibrary}"
    INTERFACE_INCLUDE_DIRECTORIES "${TARNWICK_DEPS_PREFIX}/include"
    INTERFACE_LINK_LIBRARIES deps::zlib)

  unset(_depsStamp)
  unset(_archiveLibrary)
  unset(_pngLibrary)
  unset(_file)
else()
  find_package(ZLIB REQUIRED)
  find_package(PNG REQUIRED)
  find_package(LibArchive REQUIRED)

  add_library(deps::zlib INTERFACE IMPORTED GLOBAL)
  set_target_properties(deps::zlib PROPERTIES INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
  add_library(deps::archive INTERFACE IMPORTED GLOBAL)
  set_target_properties(deps::archive PROPERTIES INTERFACE_LINK_LIBRARIES LibArchive::LibArchive)
  add_library(deps::png INTERFACE IMPORTED GLOBAL)
  set_target_properties(deps::png PROPERTIES INTERFACE_LINK_LIBRARIES PNG::PNG)
endif()
