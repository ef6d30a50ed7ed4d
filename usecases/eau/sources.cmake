list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/buildComposition.cpp
    ${TEVO_LIST_DIR}/buildConditionAU.cpp
    ${TEVO_LIST_DIR}/buildDiagnoses.cpp
    ${TEVO_LIST_DIR}/buildEauBundle.cpp
    ${TEVO_LIST_DIR}/buildServiceRequest.cpp
    ${TEVO_LIST_DIR}/buildStornoBundle.cpp
    ${TEVO_LIST_DIR}/eau1_1_0_Wrapper.cpp
    ${TEVO_LIST_DIR}/eau1_2_0_Wrapper.cpp
    ${TEVO_LIST_DIR}/eauOperationOutcome1_1_0_Wrapper.cpp
    ${TEVO_LIST_DIR}/eauOperationOutcome1_2_0_Wrapper.cpp
    ${TEVO_LIST_DIR}/eauStorno1_1_0_Wrapper.cpp
    ${TEVO_LIST_DIR}/eauStorno1_2_0_Wrapper.cpp
    ${TEVO_LIST_DIR}/exports.cpp
    ${TEVO_LIST_DIR}/patientIdentifier110.cpp
    ${TEVO_LIST_DIR}/patientIdentifier120.cpp
)

