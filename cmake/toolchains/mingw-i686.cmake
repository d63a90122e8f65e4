# Cross toolchain for i686-w64-mingw32: Debian's mingw-w64 compilers with the posix thread model.
#
#   scripts/deps
#   cmake -G Ninja -S . -B build-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-i686.cmake

set(TARNWICK_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
