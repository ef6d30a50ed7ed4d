list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/buildAddress.cpp
    ${TEVO_LIST_DIR}/buildObservations.cpp
    ${TEVO_LIST_DIR}/buildPatient.cpp
    ${TEVO_LIST_DIR}/buildPractice.cpp
    ${TEVO_LIST_DIR}/buildZaebBundle.cpp
    ${TEVO_LIST_DIR}/checks.cpp
    ${TEVO_LIST_DIR}/convert.cpp
    ${TEVO_LIST_DIR}/exports.cpp
    ${TEVO_LIST_DIR}/mioZaeb1_0_1_Extractor.cpp
    ${TEVO_LIST_DIR}/mioZaeb1_0_1_Wrapper.cpp
)
