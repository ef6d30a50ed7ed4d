list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/DocumentCheck.cpp
    ${TEVO_LIST_DIR}/exports.cpp
)
