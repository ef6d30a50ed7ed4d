# Conformance of the written documents. For each use case a small program
# writes the documents of its sample records into the build folder; the
# profile checker of the shared tools checks them all in one run, and xmllint
# validates them against the FHIR R4 XML schema (structure, element order,
# primitive formats). Skipped only when node, xmllint or the shared folder is
# missing.
find_program(TEVO_NODE node)
find_program(TEVO_XMLLINT xmllint)

# Adds the writer program write_<name>_documents from WRITER_SOURCE and the
# tests <name>_fhircheck and <name>_schema; further arguments are options of
# the profile checker; "SCRIPT file" runs the checker through a script of the
# use case's own instead of conformance/runFhircheck.cmake, "RUNNER file" through
# a node script of its own (arguments: checker, documents).
function(tevo_add_document_checks name writer_source label)
    set(writer write_${name}_documents)
    add_executable(${writer} ${writer_source})
    target_link_libraries(${writer} PRIVATE tevofhir_static)
    target_include_directories(${writer} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    tevo_set_warnings(${writer})
    cmake_parse_arguments(PARSE_ARGV 3 checks "" "SCRIPT;RUNNER" "")
    if(NOT checks_SCRIPT)
        set(checks_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/conformance/runFhircheck.cmake)
    endif()
    string(REPLACE ";" "\\;" checker_options "${checks_UNPARSED_ARGUMENTS}")

    add_test(NAME ${name}_fhircheck
        COMMAND ${CMAKE_COMMAND}
            -DWRITER=$<TARGET_FILE:${writer}>
            -DOUTPUT_DIR=${CMAKE_CURRENT_BINARY_DIR}/${name}-conformance
            -DSHARED_DIR=${PROJECT_SOURCE_DIR}/../shared
            -DNODE=${TEVO_NODE}
            -DLABEL=${label}
            -DCHECKER_OPTIONS=${checker_options}
            -DRUNNER=${checks_RUNNER}
            -P ${checks_SCRIPT})
    set_tests_properties(${name}_fhircheck PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)

    add_test(NAME ${name}_schema
        COMMAND ${CMAKE_COMMAND}
            -DWRITER=$<TARGET_FILE:${writer}>
            -DOUTPUT_DIR=${CMAKE_CURRENT_BINARY_DIR}/${name}-schema
            -DSCHEMA=${PROJECT_SOURCE_DIR}/../shared/fhir-xsd/r4/fhir-single.xsd
            -DXMLLINT=${TEVO_XMLLINT}
            -DLABEL=${label}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/conformance/runSchemaCheck.cmake)
    set_tests_properties(${name}_schema PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)
endfunction()

tevo_add_document_checks(eau ${CMAKE_CURRENT_SOURCE_DIR}/conformance/writeEauDocuments.cpp eAU)

# The 116117 profiles are not published in the package folder: the
# appointment-service requests are checked against FHIR R4 core and the
# German base extensions, an unknown meta.profile counting as a warning.
tevo_add_document_checks(vmca ${CMAKE_CURRENT_SOURCE_DIR}/conformance/writeVmcaDocuments.cpp VMCA
                         --allow-unknown-profiles)

# The MIO ZAEB profiles are not available either: the bonus-booklet documents
# are checked against FHIR R4 core and, for the patient and the practice, the
# KBV base profiles they derive from (see the script).
tevo_add_document_checks(zaeb ${CMAKE_CURRENT_SOURCE_DIR}/conformance/writeZaebDocuments.cpp ZAEB
                         SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/conformance/runZaebFhircheck.cmake)

tevo_add_document_checks(erezept ${CMAKE_CURRENT_SOURCE_DIR}/conformance/writeERezeptDocuments.cpp eRezept)

# Only 8 of the 25 VoS profiles are published in the package folder. Resources
# claiming one of the others are checked against FHIR R4 only, and references
# to them cannot be proven (see the runner script).
tevo_add_document_checks(vos ${CMAKE_CURRENT_SOURCE_DIR}/conformance/writeVosDocuments.cpp VoS
                         RUNNER ${CMAKE_CURRENT_SOURCE_DIR}/conformance/fhircheckUnpublished.js)
