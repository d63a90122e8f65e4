# Cross toolchain for x86_64-w64-mingw32: Debian's mingw-w64 compilers with the posix thread model.
#
#   scripts/deps
#   cmake -G Ninja -S . -B build-x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-x86_64.cmake

set(TARNWICK_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
