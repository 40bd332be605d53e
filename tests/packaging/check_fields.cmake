# Checks the control fields of the one package in PACKAGE_DIRECTORY: its name, VERSION, the
# machine's architecture, the font and dependencies computed from the libraries the program
# links.
#   cmake -DPACKAGE_DIRECTORY=... -DVERSION=... -P check_fields.cmake

file(GLOB package ${PACKAGE_DIRECTORY}/*.deb)

function(field name out)
    execute_process(COMMAND dpkg-deb --field ${package} ${name} OUTPUT_VARIABLE value
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

function(expect_field name expected)
    field(${name} value)
    if(NOT value STREQUAL expected)
        message(SEND_ERROR "${name}: \"${value}\", expected \"${expected}\"")
    endif()
endfunction()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE architecture
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
expect_field(Package quabbel)
expect_field(Version ${VERSION})
expect_field(Architecture ${architecture})
expect_field(Section games)

# Versioned entries come from the shared-library information of the installed libraries; the
# font is named by the package itself.
field(Depends depends)
if(NOT depends MATCHES "(^|, )fonts-liberation2(,|$)")
    message(SEND_ERROR "Depends lacks fonts-liberation2: \"${depends}\"")
endif()
foreach(library libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6)
    if(NOT depends MATCHES "(^|, )${library} \\(>= [^)]+\\)")
        message(SEND_ERROR "Depends lacks a versioned ${library}: \"${depends}\"")
    endif()
endforeach()
