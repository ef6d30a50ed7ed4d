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
