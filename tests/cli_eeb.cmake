# The command-line tool's EEB subcommands on the bundled examples: exit
# statuses, messages and values, and the written requests checked against
# the profiles.
if(TARGET tevofhir)
    set(TEVO_EEB_DOCUMENTS)
    foreach(example eeb_request_known_patient eeb_request_full_patient)
        add_test(NAME cli_${example}
            COMMAND ${TEVO_EXPECT} 0 "" ${TEVO_CLI} eeb-request ${TEVO_EXAMPLES}/${example}.txt
                    -o ${TEVO_CLI_OUT}/${example}.xml)
        set_tests_properties(cli_${example} PROPERTIES FIXTURES_SETUP tevo_cli_eeb_documents)
        list(APPEND TEVO_EEB_DOCUMENTS ${TEVO_CLI_OUT}/${example}.xml)
    endforeach()
    add_test(NAME cli_eeb_request_faults
        COMMAND ${TEVO_EXPECT} 1 "Der Wohnsitzländercode der Praxisanschrift \"DE\" entspricht"
                ${TEVO_CLI} eeb-request ${TEVO_EXAMPLES}/eeb_request_with_faults.txt)
    add_test(NAME cli_eeb_request_to_standard_output
        COMMAND ${TEVO_EXPECT} 0 "<code value=\"1.2.276.0.76.4.51\"/>"
                ${TEVO_CLI} eeb-request ${TEVO_EXAMPLES}/eeb_request_full_patient.txt)
    add_test(NAME cli_eeb_read_certificate
        COMMAND ${TEVO_EXPECT} 0 "nachname = Königstein"
                ${TEVO_CLI} eeb-read-certificate ${TEVO_EXAMPLES}/eeb_certificate.xml)
    add_test(NAME cli_eeb_read_certificate_not_a_bundle
        COMMAND ${TEVO_EXPECT} 3 "No FHIR Bundle detected." ${TEVO_CLI} eeb-read-certificate ${TEVO_EXAMPLES}/eeb_answer.xml)
    add_test(NAME cli_eeb_read_answer
        COMMAND ${TEVO_EXPECT} 0 "bundleidentifier = 79939e34-c5cc-4da6-ba55-f4bd85832760"
                ${TEVO_CLI} eeb-read-answer ${TEVO_EXAMPLES}/eeb_answer.xml)
    add_test(NAME cli_eeb_read_answer_not_xml
        COMMAND ${TEVO_EXPECT} 3 "expected <" ${TEVO_CLI} eeb-read-answer ${TEVO_EXAMPLES}/eeb_request_with_faults.txt)
    add_test(NAME cli_eeb_help
        COMMAND ${TEVO_EXPECT} 0 "Usage: tevofhir eeb-read-certificate" ${TEVO_CLI} eeb-read-certificate --help)

    add_test(NAME cli_eeb_examples_conform
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cli/conform.sh "${TEVO_CLI_NODE}" ${PROJECT_SOURCE_DIR}/../shared
                ${TEVO_EEB_DOCUMENTS})
    set_tests_properties(cli_eeb_examples_conform PROPERTIES FIXTURES_REQUIRED tevo_cli_eeb_documents
                         SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)
endif()
