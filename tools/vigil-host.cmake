add_executable(vigil-host main.cpp)
target_link_libraries(vigil-host PRIVATE vigil_hostkit)
