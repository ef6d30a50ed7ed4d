list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/certificateReading.cpp
    ${TEVO_LIST_DIR}/checks.cpp
    ${TEVO_LIST_DIR}/convert.cpp
    ${TEVO_LIST_DIR}/eeb1_1_0_Wrapper.cpp
    ${TEVO_LIST_DIR}/exports.cpp
    ${TEVO_LIST_DIR}/requestBundle.cpp
)
