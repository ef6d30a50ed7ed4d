list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/convert.cpp
    ${TEVO_LIST_DIR}/convertCodes.cpp
)
