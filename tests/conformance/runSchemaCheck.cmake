# Runs as `cmake -P`: writes the sample documents of a use case and validates
# them against the FHIR R4 XML schema. Inputs: WRITER, OUTPUT_DIR, SCHEMA,
# XMLLINT; optional LABEL (the use case, default eAU).
if(NOT LABEL)
    set(LABEL eAU)
endif()
if(NOT XMLLINT)
    message("SKIPPED: xmllint was not found; the ${LABEL} documents are not validated.")
    return()
endif()
if(NOT EXISTS ${SCHEMA})
    message("SKIPPED: ${SCHEMA} is absent; the ${LABEL} documents are not validated.")
    return()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/writeSamples.cmake)
execute_process(COMMAND ${XMLLINT} --noout --schema ${SCHEMA} ${documents} RESULT_VARIABLE validated)
if(NOT validated EQUAL 0)
    message(FATAL_ERROR "the ${LABEL} documents do not validate against the FHIR schema (${validated})")
endif()
message("schema: ${count} ${LABEL} documents validate")
