# Windows build with Debian's mingw-w64 (toolchain files in cmake/toolchains/).
#
# The compiler's run-time libraries (libgcc, libstdc++, winpthread) are linked
# statically into TevoFhir.dll and every program, so that they need only DLLs
# every Windows has. Programs land next to the DLL in bin/ and find it there
# when they run.
add_link_options(-static)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

# rapidxml is header-only, but Debian installs it for the build machine only.
# Its folder is linked into the build tree, so the cross compiler sees this
# one folder and none of the build machine's other headers.
if(NOT RAPIDXML_INCLUDE_DIR)
    find_path(TEVO_DEBIAN_RAPIDXML_DIR rapidxml/rapidxml.hpp PATHS /usr/include
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/rapidxml-include)
    file(CREATE_LINK ${TEVO_DEBIAN_RAPIDXML_DIR}/rapidxml ${CMAKE_BINARY_DIR}/rapidxml-include/rapidxml SYMBOLIC)
    set(RAPIDXML_INCLUDE_DIR ${CMAKE_BINARY_DIR}/rapidxml-include CACHE PATH "rapidxml headers")
endif()

# TevoFhir.dll (no "lib" prefix), its import library lib/libTevoFhir.dll.a and
# the module-definition file lib/TevoFhir.def, from which MSVC's `lib /def:`
# makes an import library of its own. Only the functions marked TEVO_EXPORT
# (dllexport) are exported.
function(tevo_windows_dll target)
    set_target_properties(${target} PROPERTIES PREFIX "")
    target_link_options(${target} PRIVATE -Wl,--output-def,${CMAKE_ARCHIVE_OUTPUT_DIRECTORY}/${target}.def)
endfunction()

# Programs of a cross build run under wine, with a wine prefix of their own in
# the build folder and without wine's debug chatter and its offers to install
# Mono and Gecko. A tiny program proves that wine runs programs of this
# architecture (32-bit ones need wine32); TEVO_WINE_MISSING says why not.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(TEVO_WINE wine)
    set(TEVO_WINE_MISSING "")
    if(NOT TEVO_WINE)
        set(TEVO_WINE_MISSING "wine is not installed (Debian packages wine and wine64)")
    else()
        set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all
            "WINEDLLOVERRIDES=mscoree,mshtml=" ${TEVO_WINE})
        file(WRITE ${CMAKE_BINARY_DIR}/wine-probe/probe.cpp "int main() { return 0; }\n")
        try_run(tevo_wine_ran tevo_wine_probe_built ${CMAKE_BINARY_DIR}/wine-probe
                ${CMAKE_BINARY_DIR}/wine-probe/probe.cpp
                LINK_OPTIONS -static
                RUN_OUTPUT_VARIABLE tevo_wine_output)
        if(NOT tevo_wine_probe_built OR NOT tevo_wine_ran EQUAL 0)
            string(STRIP "${tevo_wine_output}" tevo_wine_output)
            set(TEVO_WINE_MISSING "wine cannot run ${CMAKE_SYSTEM_PROCESSOR} programs here: ${tevo_wine_output}")
        endif()
    endif()
    if(TEVO_WINE_MISSING)
        # The tests that run programs report themselves skipped (tests/CMakeLists.txt).
        message(STATUS "Windows tests skipped: ${TEVO_WINE_MISSING}")
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E echo "SKIPPED: ${TEVO_WINE_MISSING}")
    endif()
endif()
