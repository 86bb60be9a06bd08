# GoogleTest is built from Debian's googletest source package, for every
# preset, so the native and the MinGW builds use the same version.
set(KEYLOOM_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${KEYLOOM_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# keyloom_add_test(NAME n SOURCES ... [LIBS ...] [LABELS ...])
# One test program, run as one CTest test; on Windows builds CTest runs it
# under Wine through the toolchain's emulator.
function(keyloom_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS;DEPENDS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    keyloom_charset_flags(${T_NAME})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
    if(T_DEPENDS)
        add_dependencies(${T_NAME} ${T_DEPENDS})
    endif()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=0)
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR} LABELS "${T_LABELS}")
endfunction()
