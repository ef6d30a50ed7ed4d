# Rewritten by tools/fhirgen together with the generated classes.
list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/BackboneElement.cpp
    ${TEVO_LIST_DIR}/Extension.cpp
    ${TEVO_LIST_DIR}/Resource.cpp
)
