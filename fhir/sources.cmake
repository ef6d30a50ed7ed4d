list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/Element.cpp
    ${TEVO_LIST_DIR}/Identity.cpp
    ${TEVO_LIST_DIR}/StructureDefinition.cpp
    ${TEVO_LIST_DIR}/TreeMemory.cpp
    ${TEVO_LIST_DIR}/TreeText.cpp
    ${TEVO_LIST_DIR}/XmlNesting.cpp
    ${TEVO_LIST_DIR}/XmlNode.cpp
    ${TEVO_LIST_DIR}/XmlReader.cpp
    ${TEVO_LIST_DIR}/XmlWriter.cpp
    ${TEVO_LIST_DIR}/primitives.cpp
)

