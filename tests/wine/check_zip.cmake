# Checks the unpacked Windows zip in FOLDER: quabbel.exe, a 64-bit GUI program that imports
# only DLLs that Windows itself has (those in SYSTEM, a fresh Wine prefix's system folder, and API
# sets), the
# licence, the German start text, and a licence notice in Lizenzen/ for each library that the
# static link took code from, as its map LINK_MAP shows, and for no other.
#   cmake -DFOLDER=... -DOBJDUMP=... -DSYSTEM=... -DLINK_MAP=... -P check_zip.cmake

include(${CMAKE_CURRENT_LIST_DIR}/../../packaging/windows/notices.cmake)

function(fault message)
    message(SEND_ERROR "${message}")
endfunction()

set(program ${FOLDER}/quabbel.exe)
file(GLOB_RECURSE shipped RELATIVE ${FOLDER} ${FOLDER}/*)
list(SORT shipped)
set(expected LICENSE.txt LIESMICH.txt quabbel.exe)
foreach(name IN LISTS quabbel_notice_names)
    list(APPEND expected Lizenzen/${name}.txt)
endforeach()
list(SORT expected)
if(NOT shipped STREQUAL expected)
    fault("the zip holds \"${shipped}\", expected \"${expected}\"")
endif()

execute_process(COMMAND file -b ${program} OUTPUT_VARIABLE type COMMAND_ERROR_IS_FATAL ANY)
if(NOT type MATCHES "^PE32\\+ executable \\(GUI\\) x86-64")
    fault("quabbel.exe is \"${type}\", expected a PE32+ GUI executable for x86-64")
endif()

execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    fault("quabbel.exe imports no DLL at all")
endif()
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOLOWER "${dll}" dll)
    # api-ms-win-* name API sets, which Windows resolves to its own DLLs.
    if(NOT EXISTS ${SYSTEM}/${dll} AND NOT dll MATCHES "^api-ms-win-")
        fault("quabbel.exe needs ${dll}, which Windows does not have")
    endif()
endforeach()

file(READ ${FOLDER}/LIESMICH.txt start_text)
if(NOT start_text MATCHES "quabbel\\.exe doppelt anklicken")
    fault("LIESMICH.txt does not say how to start quabbel.exe")
endif()
file(READ ${FOLDER}/LICENSE.txt licence)
if(NOT licence MATCHES "GNU GENERAL PUBLIC LICENSE[ \n]+Version 3")
    fault("LICENSE.txt is not the GPL version 3")
endif()

# Each library of the link map has its notice: one whose pattern matches a member that the
# linker took. Bundled libraries of Qt without an entry are faults too.
file(READ ${LINK_MAP} map)
foreach(name pattern IN ZIP_LISTS quabbel_notice_names quabbel_notice_patterns)
    if(NOT map MATCHES "${pattern}")
        fault("Lizenzen/${name}.txt is shipped, but nothing of ${name} is linked (${pattern})")
    endif()
endforeach()
list(JOIN quabbel_notice_patterns "|" covered)
string(REGEX MATCHALL "libQt6Bundled[A-Za-z0-9_]+\\.a" bundled "${map}")
list(REMOVE_DUPLICATES bundled)
foreach(library IN LISTS bundled)
    if(NOT library MATCHES "${covered}")
        fault("${library} is linked, but no notice covers it")
    endif()
endforeach()
