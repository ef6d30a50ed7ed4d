list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/buildPatient.cpp
    ${TEVO_LIST_DIR}/buildReferrer.cpp
    ${TEVO_LIST_DIR}/buildRequest.cpp
    ${TEVO_LIST_DIR}/checks.cpp
    ${TEVO_LIST_DIR}/codeLists.cpp
    ${TEVO_LIST_DIR}/convert.cpp
    ${TEVO_LIST_DIR}/exports.cpp
    ${TEVO_LIST_DIR}/kvdigital_vmca1_1_0_Wrapper.cpp
    ${TEVO_LIST_DIR}/kvdigital_vmcaOperationOutcome1_1_0_Wrapper.cpp
    ${TEVO_LIST_DIR}/vmcaIdentifier.cpp
)
