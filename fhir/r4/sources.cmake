list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/ProfileCanonical.cpp
)
