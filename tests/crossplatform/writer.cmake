# write_example_outputs: every command of the tool on every example, with
# pinned ids and clock; built by the Linux and the Windows build alike.
if(TARGET tevofhir_commands)
    add_executable(write_example_outputs ${CMAKE_CURRENT_LIST_DIR}/writeExampleOutputs.cpp)
    target_link_libraries(write_example_outputs PRIVATE tevofhir_commands)
    target_include_directories(write_example_outputs PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    tevo_set_warnings(write_example_outputs)
endif()
