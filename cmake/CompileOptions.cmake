# Compile options shared by every target of the project.
add_library(lethora_options INTERFACE)
target_compile_options(lethora_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
    -Wno-unused-parameter)

# lethora_library(name SOURCES... LINKS ...)
function(lethora_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC lethora_options ${ARG_LINKS})
endfunction()
