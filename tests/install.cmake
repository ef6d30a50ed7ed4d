# `cmake --install` into the build folder, then a user's project against the
# installed tree, once with find_package(TevoFhir) and once with pkg-config.
# The sanitizer build skips them: its library would need the sanitizer
# run-time in every consumer.
if(ENABLE_SANITIZERS OR WIN32)
    return()
endif()
set(TEVO_INSTALL_TEST_PREFIX ${CMAKE_CURRENT_BINARY_DIR}/installed)
add_test(NAME install_tree
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install/checkInstalledTree.sh ${PROJECT_BINARY_DIR}
            ${TEVO_INSTALL_TEST_PREFIX} ${CMAKE_INSTALL_LIBDIR} $<TARGET_SONAME_FILE_NAME:TevoFhir> ${PROJECT_SOURCE_DIR}/examples)
set_tests_properties(install_tree PROPERTIES FIXTURES_SETUP tevo_installed RESOURCE_LOCK tevo_install_tree)

add_test(NAME find_package_consumer
    COMMAND ${CMAKE_CTEST_COMMAND} --build-and-test ${CMAKE_CURRENT_SOURCE_DIR}/install
            ${CMAKE_CURRENT_BINARY_DIR}/find-package-consumer
            --build-generator ${CMAKE_GENERATOR}
            --build-options -DCMAKE_PREFIX_PATH=${TEVO_INSTALL_TEST_PREFIX} -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
            --test-command consumer)
set_tests_properties(find_package_consumer PROPERTIES FIXTURES_REQUIRED tevo_installed
                     PASS_REGULAR_EXPRESSION "consumer: ok")

add_test(NAME pkg_config_consumer
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install/pkgConfigConsumer.sh ${TEVO_INSTALL_TEST_PREFIX} ${CMAKE_INSTALL_LIBDIR}
            ${CMAKE_CXX_COMPILER} ${CMAKE_CURRENT_SOURCE_DIR}/install/consumer.cpp
            ${CMAKE_CURRENT_BINARY_DIR}/pkg-config-consumer)
set_tests_properties(pkg_config_consumer PROPERTIES FIXTURES_REQUIRED tevo_installed
                     PASS_REGULAR_EXPRESSION "consumer: ok")
