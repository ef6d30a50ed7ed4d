# Common part of the mingw-w64 toolchain files: Debian's cross compilers for
# TEVO_MINGW_TRIPLET, in the posix thread model (GCC 12 offers std::mutex and
# std::thread only there). Libraries and headers come from the cross sysroot
# /usr/<triplet>; programs (wine, objdump, python) from the build machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TEVO_MINGW_PROCESSOR})

set(CMAKE_C_COMPILER ${TEVO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TEVO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TEVO_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TEVO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
