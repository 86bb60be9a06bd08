# Program texts are code page 936 byte strings written in UTF-8 sources: the
# compiler encodes every narrow literal. They reach the screen as wide text
# through the one conversion in platform/program_text, so they read right
# on a Windows of any code page.
# Clang knows no execution character set but UTF-8; it builds only the
# portable env core natively, whose sources spell every byte of 0x80 or more
# as an escape, so they give the same bytes with any compiler.
function(keyloom_charset_flags target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /source-charset:utf-8 /execution-charset:.936)
    elseif(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(${target} PRIVATE -finput-charset=UTF-8)
    else()
        target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK)
    endif()
endfunction()
