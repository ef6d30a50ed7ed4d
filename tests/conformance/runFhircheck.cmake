# Runs as `cmake -P`: writes the sample documents of a use case and checks
# them with fhircheck. Inputs: WRITER, OUTPUT_DIR, SHARED_DIR, NODE; optional
# LABEL (the use case, default eAU), CHECKER_OPTIONS (a ;-list of options)
# and RUNNER (a node script that runs the checker itself: arguments checker,
# documents).
if(NOT LABEL)
    set(LABEL eAU)
endif()
set(checker ${SHARED_DIR}/tools/fhircheck/fhircheck.js)
if(NOT NODE)
    message("SKIPPED: node was not found; the ${LABEL} documents are not checked.")
    return()
endif()
if(NOT EXISTS ${checker})
    message("SKIPPED: ${checker} is absent; the ${LABEL} documents are not checked.")
    return()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/writeSamples.cmake)
if(RUNNER)
    execute_process(COMMAND ${NODE} ${RUNNER} ${checker} ${documents} RESULT_VARIABLE checked)
else()
    execute_process(COMMAND ${NODE} ${checker} --quiet ${CHECKER_OPTIONS} ${documents} RESULT_VARIABLE checked)
endif()
if(NOT checked EQUAL 0)
    message(FATAL_ERROR "fhircheck reported errors in the ${LABEL} documents (${checked})")
endif()
message("fhircheck: ${count} ${LABEL} documents without errors")
