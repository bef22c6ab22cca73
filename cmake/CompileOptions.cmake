# Compile options shared by every target of the project.
option(LETHORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(LETHORA_WERROR "Treat compiler warnings as errors (CI builds)" OFF)

add_library(lethora_options INTERFACE)
target_compile_options(lethora_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
    -Wno-unused-parameter)
if(LETHORA_WERROR)
    target_compile_options(lethora_options INTERFACE -Werror)
endif()
if(LETHORA_SANITIZE)
    # Undefined behaviour ends the program like a memory fault, so that a test fails on it.
    set(LETHORA_SANITIZER_FLAGS
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_compile_options(lethora_options INTERFACE ${LETHORA_SANITIZER_FLAGS})
    target_link_options(lethora_options INTERFACE ${LETHORA_SANITIZER_FLAGS})
endif()

# lethora_library(name SOURCES... LINKS ...)
function(lethora_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC lethora_options ${ARG_LINKS})
endfunction()
