# Compiles the resource script RC with WINDRES, or takes the program RC, reads the resources back
# as a script and checks them: every resource in German (language 7, sublanguage 1), an icon group of the 32 and 16 pixel
# binoculars in 16 colours, and a version block for an application giving VERSION, in German
# with code page 1252, with the German strings.
#   cmake -DWINDRES=... -DRC=... -DVERSION=... -DWORK=... -P check_resource.cmake

file(MAKE_DIRECTORY ${WORK})
# A script is compiled first; the resources of a program are read back from it directly.
if(RC MATCHES "\\.exe$")
    set(compiled ${RC})
else()
    set(compiled ${WORK}/quabbel.res)
    execute_process(COMMAND ${WINDRES} -i ${RC} -O res -o ${compiled} COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${WINDRES} -i ${compiled} -O rc -o ${WORK}/quabbel_read_back.rc
                COMMAND_ERROR_IS_FATAL ANY)
file(READ ${WORK}/quabbel_read_back.rc script)

function(expect pattern what)
    if(NOT script MATCHES "${pattern}")
        message(SEND_ERROR "${what}: no match for ${pattern}")
    endif()
endfunction()

string(REGEX MATCHALL "LANGUAGE [0-9]+, [0-9]+" languages "${script}")
list(REMOVE_DUPLICATES languages)
if(NOT languages STREQUAL "LANGUAGE 7, 1")
    message(SEND_ERROR "resource languages: \"${languages}\", expected only \"LANGUAGE 7, 1\"")
endif()

# Each entry of the group: width, height and colours as octal escapes, then planes and bits.
expect("RT_GROUP_ICON \\*/[^\n]*\nBEGIN\n *0, 1, 2,.*\"\\\\040\\\\040\\\\020\\\\000\", 1, 4,.*\"\\\\020\\\\020\\\\020\\\\000\", 1, 4,"
       "icon group of 32 and 16 pixels in 16 colours")

string(REPLACE "." ";" parts ${VERSION})
list(GET parts 0 major)
list(GET parts 1 minor)
math(EXPR minor "${minor}")
expect("\n FILEVERSION ${major}, ${minor}, 0, 0\n" "numeric file version")
expect("\n PRODUCTVERSION ${major}, ${minor}, 0, 0\n" "numeric product version")
expect("\n FILETYPE 0x1\n" "file type application")

expect("BLOCK \"040704E4\"" "string block in German, code page 1252")
expect("VALUE \"FileVersion\", \"${VERSION}\"" "file version")
expect("VALUE \"ProductVersion\", \"${VERSION}\"" "product version")
expect("VALUE \"ProductName\", \"Quabbel 2 3 4\"" "product name")
foreach(name CompanyName FileDescription LegalCopyright)
    expect("VALUE \"${name}\", L?\"[^\"]+\"" "${name}")
endforeach()
# ü is stored as the character U+00FC, written back as an octal escape.
expect("VALUE \"FileDescription\", L\"[^\"]*f\\\\374r" "umlauts of the German description")
expect("VALUE \"Translation\", 0x407, 1252" "language and code page of the version block")
