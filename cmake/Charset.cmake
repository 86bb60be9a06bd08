# Program texts are code page 936 byte strings written in UTF-8 sources: the
# compiler encodes every narrow literal, nothing is converted at run time.
function(keyloom_charset_flags target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /source-charset:utf-8 /execution-charset:.936)
    else()
        target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK)
    endif()
endfunction()
