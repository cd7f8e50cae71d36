# vigil-host validate, run on a small plug-in whose faults are planted one at a time
# (VIGIL_PLANTED_FAULT), and on the plain plug-in, which must pass clean.
add_library(vigil_planted_fault_plugin SHARED validate/PlantedFaultPlugin.cpp)
target_include_directories(vigil_planted_fault_plugin PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(vigil_planted_fault_plugin PRIVATE OpenGL::OpenGL)

vigil_test(validate_tests validate/PlantedFaultTest.cpp validate/TextRulesTest.cpp LINKS vigil_validate HOST)
target_compile_definitions(validate_tests PRIVATE
  VIGIL_PLANTED_FAULT_PLUGIN="$<TARGET_FILE:vigil_planted_fault_plugin>")
add_dependencies(validate_tests vigil_planted_fault_plugin)
