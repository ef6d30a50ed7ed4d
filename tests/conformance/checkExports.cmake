# Runs as `cmake -P`: lists the dynamic symbols LIBRARY defines and fails
# unless they are exactly the Tevo.../Lumo... functions that the headers in
# HEADER_DIR declare.
include(${CMAKE_CURRENT_LIST_DIR}/declaredExports.cmake)

execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY} OUTPUT_VARIABLE listing RESULT_VARIABLE listed)
if(NOT listed EQUAL 0)
    message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(exports)
foreach(line IN LISTS lines)
    if(line MATCHES "^[0-9a-fA-F]+ [A-Za-z] (.+)$")
        set(symbol ${CMAKE_MATCH_1})
        if(NOT symbol MATCHES "^(_init|_fini)$")
            list(APPEND exports ${symbol})
        endif()
    endif()
endforeach()
tevo_compare_exports(${LIBRARY} exports)
