# The committed core classes must be exactly what the generator makes of the
# published definitions.
find_package(Python3 COMPONENTS Interpreter)
set(TEVO_CORE_PACKAGES ${PROJECT_SOURCE_DIR}/../shared/fhir-packages)
if(Python3_FOUND AND EXISTS ${TEVO_CORE_PACKAGES}/hl7.fhir.r4.core-4.0.1)
    add_test(NAME CoreClassesAreReproducible
             COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/fhirgen/fhirgen.py
                     --packages ${TEVO_CORE_PACKAGES} --check)
else()
    message(STATUS "CoreClassesAreReproducible skipped: python3 or ../shared/fhir-packages not found")
endif()
