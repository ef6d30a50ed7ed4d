# The command-line tool on the eRezept examples: every example builds, the
# faulty one prints its messages, and the written documents pass the profile
# checker.
if(TARGET tevofhir)
    set(TEVO_ERP_DOCUMENTS)
    foreach(example erezept_pzn_1_1_0 erezept_pzn_1_3_2 erezept_freetext_1_3_2 erezept_ingredient_1_3_2
                    erezept_compounding_1_3_2 erezept_supply_1_3_2 erezept_multiple_1_1_0)
        add_test(NAME cli_create_${example}
            COMMAND ${TEVO_EXPECT} 0 "" ${TEVO_CLI} erezept-create ${TEVO_EXAMPLES}/${example}.txt
                    -o ${TEVO_CLI_OUT}/${example}.xml)
        set_tests_properties(cli_create_${example} PROPERTIES FIXTURES_SETUP tevo_cli_erezept_documents)
        list(APPEND TEVO_ERP_DOCUMENTS ${TEVO_CLI_OUT}/${example}.xml)
    endforeach()
    add_test(NAME cli_erezept_faults
        COMMAND ${TEVO_EXPECT} 1 "Der Wohnsitzländercode der Versichertenanschrift \"XX\" entspricht"
                ${TEVO_CLI} erezept-create ${TEVO_EXAMPLES}/erezept_with_faults.txt)
    add_test(NAME cli_erezept_help_names_the_free_text_key
        COMMAND ${TEVO_EXPECT} 0 "verordnung.freitextverordnung.freitextverordnung" ${TEVO_CLI} erezept-create --help)
    add_test(NAME cli_erezept_date_before_first_version
        COMMAND ${TEVO_EXPECT} 3 "before 20230701"
                sh -c "printf 'verordnung.ausstellungsdatum = 20230630\\n' | \"$0\" erezept-create" ${TEVO_CLI})
    add_test(NAME cli_erezept_examples_conform
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cli/conform.sh "${TEVO_CLI_NODE}" ${PROJECT_SOURCE_DIR}/../shared
                ${TEVO_ERP_DOCUMENTS})
    set_tests_properties(cli_erezept_examples_conform PROPERTIES FIXTURES_REQUIRED tevo_cli_erezept_documents
                         SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)
endif()

# Prescriptions rebuilt from official examples (tests/conformance/erezeptOfficial,
# made by tools/erezept/official_input.py; each file names its example): every
# one builds through the tool and passes the profile checker.
if(TARGET tevofhir)
    file(GLOB TEVO_ERP_OFFICIAL_INPUTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/conformance/erezeptOfficial/*.txt)
    set(TEVO_ERP_OFFICIAL_DOCUMENTS)
    foreach(input IN LISTS TEVO_ERP_OFFICIAL_INPUTS)
        get_filename_component(example ${input} NAME_WE)
        add_test(NAME cli_erezept_official_${example}
            COMMAND ${TEVO_EXPECT} 0 "" ${TEVO_CLI} erezept-create ${input} -o ${TEVO_CLI_OUT}/official_${example}.xml)
        set_tests_properties(cli_erezept_official_${example} PROPERTIES FIXTURES_SETUP tevo_erezept_official)
        list(APPEND TEVO_ERP_OFFICIAL_DOCUMENTS ${TEVO_CLI_OUT}/official_${example}.xml)
    endforeach()
    add_test(NAME erezept_official_examples_conform
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cli/conform.sh "${TEVO_CLI_NODE}" ${PROJECT_SOURCE_DIR}/../shared
                ${TEVO_ERP_OFFICIAL_DOCUMENTS})
    set_tests_properties(erezept_official_examples_conform PROPERTIES FIXTURES_REQUIRED tevo_erezept_official
                         SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)
endif()

# The rebuilt prescriptions compared element by element with the official
# examples they came from (ids, full URLs, references and the bundle's
# timestamp aside): every difference must be one listed, with its reason, in
# conformance/erezeptOfficialDifferences.txt, and every listed one
# must still occur.
if(TARGET tevofhir)
    find_program(TEVO_PYTHON3 python3)
    set(TEVO_ERP_EXAMPLES ${PROJECT_SOURCE_DIR}/../shared/tools/fhircheck/calibration/examples)
    if(TEVO_PYTHON3 AND EXISTS ${TEVO_ERP_EXAMPLES}/KBV_PR_ERP_Bundle)
        set(TEVO_ERP_PAIRS)
        foreach(input IN LISTS TEVO_ERP_OFFICIAL_INPUTS)
            file(STRINGS ${input} source LIMIT_COUNT 1 REGEX "^# From the official example ")
            string(REPLACE "# From the official example " "" source "${source}")
            get_filename_component(example ${input} NAME_WE)
            list(APPEND TEVO_ERP_PAIRS ${example} ${TEVO_ERP_EXAMPLES}/${source}
                 ${TEVO_CLI_OUT}/official_${example}.xml)
        endforeach()
        add_test(NAME erezept_official_examples_structure
            COMMAND ${TEVO_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/conformance/compareStructure.py
                    --expected ${CMAKE_CURRENT_SOURCE_DIR}/conformance/erezeptOfficialDifferences.txt
                    ${TEVO_ERP_PAIRS})
    else()
        add_test(NAME erezept_official_examples_structure
            COMMAND ${CMAKE_COMMAND} -E echo "SKIPPED: python3 or the official examples are missing")
        set_tests_properties(erezept_official_examples_structure PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:")
    endif()
    set_tests_properties(erezept_official_examples_structure PROPERTIES FIXTURES_REQUIRED tevo_erezept_official)
endif()
