# `cmake --install`: the shared library (on Windows the DLL and its import
# library), the public headers, a CMake package (find_package(TevoFhir) gives
# the target TevoFhir::TevoFhir), a pkg-config file (tevofhir.pc) and the
# command-line tool.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(TEVO_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/TevoFhir)
set(TEVO_INSTALL_HEADERDIR ${CMAKE_INSTALL_INCLUDEDIR}/tevofhir)

# The headers of include/tevofhir/ and every project header they include, the
# latter below include/tevofhir/ at their place in the source tree: tevo.h
# includes "boundary/HostString.h", which the compiler finds next to tevo.h,
# and that header's own "boundary/..." includes through include/tevofhir on
# the include path.
function(tevo_public_headers out)
    file(GLOB pending CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/include/tevofhir/*.h)
    set(found)
    while(pending)
        list(POP_FRONT pending header)
        if(header IN_LIST found)
            continue()
        endif()
        list(APPEND found ${header})
        set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${header})
        file(STRINGS ${PROJECT_SOURCE_DIR}/${header} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
            get_filename_component(folder ${header} DIRECTORY)
            if(EXISTS ${PROJECT_SOURCE_DIR}/${included})
                list(APPEND pending ${included})
            elseif(EXISTS ${PROJECT_SOURCE_DIR}/${folder}/${included})
                list(APPEND pending ${folder}/${included})
            else()
                message(FATAL_ERROR "${header}: included header \"${included}\" not found")
            endif()
        endforeach()
    endwhile()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

tevo_public_headers(TEVO_PUBLIC_HEADERS)
foreach(header IN LISTS TEVO_PUBLIC_HEADERS)
    string(REGEX REPLACE "^include/tevofhir/" "" relative ${header})
    get_filename_component(folder ${relative} DIRECTORY)
    install(FILES ${header} DESTINATION ${TEVO_INSTALL_HEADERDIR}/${folder} COMPONENT development)
endforeach()

target_include_directories(TevoFhir INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
                                              $<INSTALL_INTERFACE:${TEVO_INSTALL_HEADERDIR}>)
install(TARGETS TevoFhir EXPORT TevoFhirTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
if(WIN32)
    install(FILES ${CMAKE_ARCHIVE_OUTPUT_DIRECTORY}/TevoFhir.def DESTINATION ${CMAKE_INSTALL_LIBDIR}
            COMPONENT development)
endif()
if(TARGET tevofhir)
    install(TARGETS tevofhir RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
endif()

install(EXPORT TevoFhirTargets NAMESPACE TevoFhir:: DESTINATION ${TEVO_INSTALL_CMAKEDIR} COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TevoFhirConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/TevoFhirConfig.cmake
                              INSTALL_DESTINATION ${TEVO_INSTALL_CMAKEDIR})
# Before 1.0 a minor version may break the interface, so only the same minor
# version is compatible; from 1.0 on the same major version.
if(PROJECT_VERSION_MAJOR EQUAL 0)
    set(tevo_compatibility SameMinorVersion)
else()
    set(tevo_compatibility SameMajorVersion)
endif()
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TevoFhirConfigVersion.cmake
                                 COMPATIBILITY ${tevo_compatibility})
install(FILES ${PROJECT_BINARY_DIR}/TevoFhirConfig.cmake ${PROJECT_BINARY_DIR}/TevoFhirConfigVersion.cmake
        DESTINATION ${TEVO_INSTALL_CMAKEDIR} COMPONENT development)

# The pkg-config file finds the installed tree relative to itself, like the
# CMake package, so that the tree may move (`cmake --install --prefix`).
file(RELATIVE_PATH TEVO_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
configure_file(${PROJECT_SOURCE_DIR}/cmake/tevofhir.pc.in ${PROJECT_BINARY_DIR}/tevofhir.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tevofhir.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT development)
