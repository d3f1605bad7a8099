# zam_add_test(NAME <name> SOURCES <files...> LIBS <libs...> [LABELS <labels...>])
# Every test runs offscreen with a fixed locale; tests link the libraries, never the executable.
function(zam_add_test)
    cmake_parse_arguments(ARG "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} zam_testsupport Qt6::Test)
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${ARG_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;TZ=Europe/Berlin"
        LABELS "${ARG_LABELS}"
        TIMEOUT ${ARG_TIMEOUT})
endfunction()
