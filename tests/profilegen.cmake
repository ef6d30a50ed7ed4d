# Reruns tools/profilegen into a scratch folder and compares its output with
# the committed profile classes, byte for byte. Included by tests/CMakeLists.txt
# to register the test; run with "cmake -P" to do the comparison.

if(NOT CMAKE_SCRIPT_MODE_FILE)
    set(_profilegen_packages ${PROJECT_SOURCE_DIR}/../shared/fhir-packages)
    find_program(TEVO_PYTHON3 NAMES python3 python)
    if(NOT TEVO_PYTHON3)
        add_test(NAME profilegen_reproducible
                 COMMAND ${CMAKE_COMMAND} -E echo "profilegen check skipped: python3 not found")
        set_tests_properties(profilegen_reproducible PROPERTIES SKIP_REGULAR_EXPRESSION "skipped")
    elseif(NOT EXISTS ${_profilegen_packages})
        add_test(NAME profilegen_reproducible
                 COMMAND ${CMAKE_COMMAND} -E echo
                         "profilegen check skipped: ${_profilegen_packages} not present")
        set_tests_properties(profilegen_reproducible PROPERTIES SKIP_REGULAR_EXPRESSION "skipped")
    else()
        add_test(NAME profilegen_reproducible
                 COMMAND ${CMAKE_COMMAND}
                         -DPYTHON=${TEVO_PYTHON3}
                         -DREPO=${PROJECT_SOURCE_DIR}
                         -DPACKAGES=${_profilegen_packages}
                         -DSCRATCH=${CMAKE_CURRENT_BINARY_DIR}/profilegen-check
                         -P ${CMAKE_CURRENT_LIST_FILE})
    endif()
    return()
endif()

file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${PYTHON} ${REPO}/tools/profilegen/profilegen.py --packages ${PACKAGES} --out ${SCRATCH}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "profilegen failed: ${result}")
endif()

set(generated_dirs fhir/r4/debasis fhir/r4/gematikeeb fhir/r4/kbvbasis fhir/r4/kbverp fhir/r4/kbvitaeau
    fhir/r4/kbvitafor fhir/r4/kbvitavos fhir/r4/kbvmiozaeb fhir/r4/kvdigitalvmca)
set(expected)
foreach(dir IN LISTS generated_dirs)
    file(GLOB_RECURSE found RELATIVE ${SCRATCH} ${SCRATCH}/${dir}/*)
    list(APPEND expected ${found})
endforeach()
list(APPEND expected tests/unit/profiles/ProfileList.inc tools/profilegen/GeneratorLog.md)

set(problems 0)
foreach(rel IN LISTS expected)
    if(NOT EXISTS ${REPO}/${rel})
        message(SEND_ERROR "missing in the repository: ${rel}")
        math(EXPR problems "${problems} + 1")
        continue()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${rel} ${REPO}/${rel}
                    RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(SEND_ERROR "differs from a fresh run: ${rel}")
        math(EXPR problems "${problems} + 1")
    endif()
endforeach()
foreach(dir IN LISTS generated_dirs)
    file(GLOB_RECURSE committed RELATIVE ${REPO} ${REPO}/${dir}/*)
    foreach(rel IN LISTS committed)
        if(NOT EXISTS ${SCRATCH}/${rel})
            message(SEND_ERROR "not produced by the generator: ${rel}")
            math(EXPR problems "${problems} + 1")
        endif()
    endforeach()
endforeach()
if(problems GREATER 0)
    message(FATAL_ERROR "${problems} generated file(s) out of date; rerun tools/profilegen/profilegen.py")
endif()
list(LENGTH expected count)
message(STATUS "profilegen output reproduced: ${count} files")
