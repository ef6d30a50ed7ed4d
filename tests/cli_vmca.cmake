# The command-line tool on the appointment-service examples (after cli.cmake,
# whose variables it uses).
if(TARGET tevofhir)
    add_test(NAME cli_vmca_request_with_patient
        COMMAND ${TEVO_EXPECT} 0 "" ${TEVO_CLI} vmca-request ${TEVO_EXAMPLES}/vmca_request_with_patient.txt
                -o ${TEVO_CLI_OUT}/vmca_request_with_patient.xml)
    add_test(NAME cli_vmca_request_without_patient
        COMMAND ${TEVO_EXPECT} 0 "KBV_CS_116117_TERMINSERVICE_VCA_Probatory_Services"
                ${TEVO_CLI} vmca-request ${TEVO_EXAMPLES}/vmca_request_without_patient.txt)
    set_tests_properties(cli_vmca_request_with_patient PROPERTIES FIXTURES_SETUP tevo_cli_vmca_documents)
    add_test(NAME cli_vmca_request_faults
        COMMAND ${TEVO_EXPECT} 1 "Der Nachname des überweisenden Arztes ist nicht vorhnaden."
                ${TEVO_CLI} vmca-request ${TEVO_EXAMPLES}/vmca_request_with_faults.txt)
    add_test(NAME cli_vmca_read_parameters_answer
        COMMAND ${TEVO_EXPECT} 0 "antwort.identifier = B7QX-MK4T-H2ZE"
                ${TEVO_CLI} vmca-read-answer ${TEVO_EXAMPLES}/vmca_answer_parameters.xml)
    add_test(NAME cli_vmca_read_error_answer
        COMMAND ${TEVO_EXPECT} 0 "antwort.fehlertext = Die BSNR 031234567 ist für die Terminvermittlung"
                ${TEVO_CLI} vmca-read-answer ${TEVO_EXAMPLES}/vmca_answer_error.xml)
    add_test(NAME cli_vmca_read_other_document
        COMMAND ${TEVO_EXPECT} 3 "status 13" ${TEVO_CLI} vmca-read-answer ${PROJECT_SOURCE_DIR}/tests/golden/eau_storno_120.xml)
    add_test(NAME cli_vmca_codes_specialist_groups
        COMMAND ${TEVO_EXPECT} 0 "030\tFÄ/FA Augenheilkunde" ${TEVO_CLI} vmca-codes facharztgruppen)
    add_test(NAME cli_vmca_codes_additional_qualifications
        COMMAND ${TEVO_EXPECT} 0 "009\tSportmedizin" ${TEVO_CLI} vmca-codes zusatzbezeichnungen)
    add_test(NAME cli_vmca_codes_unknown_list
        COMMAND ${TEVO_EXPECT} 2 "zusatzbezeichnungen or facharztgruppen" ${TEVO_CLI} vmca-codes fachgebiete)

    # The 116117 profiles are not in the package folder: the request is
    # checked against FHIR R4 core and the German base extensions.
    find_program(TEVO_CLI_NODE node)
    add_test(NAME cli_vmca_examples_conform
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cli/conform.sh "${TEVO_CLI_NODE}" ${PROJECT_SOURCE_DIR}/../shared
                --allow-unknown-profiles ${TEVO_CLI_OUT}/vmca_request_with_patient.xml)
    set_tests_properties(cli_vmca_examples_conform PROPERTIES FIXTURES_REQUIRED tevo_cli_vmca_documents
                         SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)
endif()

# The examples hold the records of the golden requests: the tool's output
# equals the golden document but for the practitioner's random id, which
# proves that every input key reaches its field.
if(TARGET tevofhir)
    foreach(pair "with_patient;vmca_request_with_patient" "without_patient;vmca_request_ptv11_without_patient")
        list(GET pair 0 example)
        list(GET pair 1 golden)
        add_test(NAME cli_vmca_request_${example}_equals_golden
            COMMAND sh -c "\"$0\" vmca-request \"$1\" | sed 's/<id value=\"[0-9a-f-]*\"/<id/' > \"$3\" && sed 's/<id value=\"[0-9a-f-]*\"/<id/' \"$2\" | diff - \"$3\""
                    ${TEVO_CLI} ${TEVO_EXAMPLES}/vmca_request_${example}.txt ${CMAKE_CURRENT_SOURCE_DIR}/golden/${golden}.xml
                    ${TEVO_CLI_OUT}/vmca_${example}_without_ids.xml)
    endforeach()
endif()
