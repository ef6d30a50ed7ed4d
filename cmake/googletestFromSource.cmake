# Debian packages no GoogleTest for mingw-w64, but libgtest-dev ships its
# sources; a cross build compiles them itself (targets GTest::gtest and
# GTest::gtest_main, like find_package(GTest)).
find_path(TEVO_GOOGLETEST_SOURCE_DIR CMakeLists.txt PATHS /usr/src/googletest
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${TEVO_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
