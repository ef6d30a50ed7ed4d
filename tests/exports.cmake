# The shared library exports exactly the Tevo.../Lumo... functions that the
# public headers declare, with C linkage (no mangled names).
if(WIN32)
    # Export table and imported DLLs of TevoFhir.dll, read with the cross
    # binutils; needs no wine.
    find_program(TEVO_OBJDUMP NAMES ${TEVO_MINGW_TRIPLET}-objdump objdump)
    add_test(NAME dll_exports
             COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${TEVO_OBJDUMP} -DLIBRARY=$<TARGET_FILE:TevoFhir>
                     -DHEADER_DIR=${PROJECT_SOURCE_DIR}/include/tevofhir
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/conformance/checkDllExports.cmake)
    add_test(NAME dll_imports
             COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${TEVO_OBJDUMP} -DLIBRARY=$<TARGET_FILE:TevoFhir>
                     "-DEXPECTED=KERNEL32.dll;msvcrt.dll"
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/conformance/checkDllImports.cmake)
else()
    find_program(TEVO_NM nm)
    if(TEVO_NM)
        add_test(NAME shared_library_exports
                 COMMAND ${CMAKE_COMMAND} -DNM=${TEVO_NM} -DLIBRARY=$<TARGET_FILE:TevoFhir>
                         -DHEADER_DIR=${PROJECT_SOURCE_DIR}/include/tevofhir
                         -P ${CMAKE_CURRENT_SOURCE_DIR}/conformance/checkExports.cmake)
    endif()
endif()

# A host program built against the public header and the shared library only.
add_executable(host_program ${CMAKE_CURRENT_SOURCE_DIR}/host/hostProgram.cpp)
target_include_directories(host_program PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/include)
target_link_libraries(host_program PRIVATE TevoFhir)
tevo_set_warnings(host_program)
add_test(NAME host_program_uses_shared_library COMMAND host_program)
