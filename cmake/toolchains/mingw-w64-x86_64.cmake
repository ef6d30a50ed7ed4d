# TevoFhir.dll for 64-bit Windows:
#   cmake -S . -B build-windows --toolchain cmake/toolchains/mingw-w64-x86_64.cmake
# (Debian package g++-mingw-w64-x86-64-posix; scripts/build-windows installs it.)
set(TEVO_MINGW_TRIPLET x86_64-w64-mingw32)
set(TEVO_MINGW_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
