# The sliding link, the hyperlink control and the web opening of the link
# and the logo, added to the program library by ui/CMakeLists.txt.
function(keyloom_add_link_sources target)
    target_sources(${target} PRIVATE
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/classes_root.cpp
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/fallback_command.cpp
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/hyperlink.cpp
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/slide_link.cpp
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/web_open.cpp)
    target_link_libraries(${target} PUBLIC shell32 advapi32)
endfunction()
