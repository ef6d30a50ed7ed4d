# The scripts of scripts/: the package installer talks on standard error only.
add_test(NAME installer_keeps_stdout_clean
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/installerKeepsStdoutClean.sh
            ${PROJECT_SOURCE_DIR}/scripts/setup-deps ${CMAKE_CURRENT_BINARY_DIR}/installer-stdout)
