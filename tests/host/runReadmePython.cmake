# Runs as `cmake -P`: takes the ```python block of README and runs it with
# PYTHON against LIBRARY; fails unless it prints a cancellation that keeps
# the code page 1252 umlaut as UTF-8.
file(READ ${README} readme)
string(FIND "${readme}" "```python\n" start)
if(start EQUAL -1)
    message(FATAL_ERROR "${README} has no python example")
endif()
math(EXPR start "${start} + 10")
string(SUBSTRING "${readme}" ${start} -1 rest)
string(FIND "${rest}" "```" end)
string(SUBSTRING "${rest}" 0 ${end} example)
file(WRITE ${WORK_DIR}/readme_example.py "${example}")
execute_process(COMMAND ${PYTHON} ${WORK_DIR}/readme_example.py ${LIBRARY}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the example failed (${status}):\n${output}${errors}")
endif()
foreach(expected "KBV_PR_EAU_Storno_Bundle" "<family value=\"Müller\">")
    string(FIND "${output}" "${expected}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the example's output lacks ${expected}:\n${output}")
    endif()
endforeach()
