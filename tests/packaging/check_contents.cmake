# Checks what the package put into ROOT: the program, the desktop entry and metainfo under
# APP_ID, the metainfo's release VERSION, the licence, and the icon in every hicolor size.
#   cmake -DROOT=... -DAPP_ID=... -DVERSION=... -P check_contents.cmake

set(share ${ROOT}/usr/share)

function(expect_file path)
    if(NOT EXISTS ${ROOT}/${path} OR IS_DIRECTORY ${ROOT}/${path})
        message(SEND_ERROR "missing: /${path}")
    endif()
endfunction()

expect_file(usr/bin/quabbel)
execute_process(COMMAND test -x ${ROOT}/usr/bin/quabbel RESULT_VARIABLE not_executable)
if(not_executable)
    message(SEND_ERROR "/usr/bin/quabbel is not executable")
endif()
expect_file(usr/share/applications/${APP_ID}.desktop)
expect_file(usr/share/doc/quabbel/LICENSE)

set(metainfo usr/share/metainfo/${APP_ID}.metainfo.xml)
expect_file(${metainfo})
file(STRINGS ${ROOT}/${metainfo} release REGEX "<release ")
if(NOT release MATCHES "version=\"${VERSION}\"")
    message(SEND_ERROR "the metainfo's release is not ${VERSION}: ${release}")
endif()

# A PNG gives its width and height as two 32-bit big-endian numbers from byte 16 on.
foreach(size 16 32 48 64 128)
    set(icon usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    expect_file(${icon})
    if(EXISTS ${ROOT}/${icon})
        file(READ ${ROOT}/${icon} header LIMIT 24 HEX)
        string(SUBSTRING "${header}" 32 8 width)
        string(SUBSTRING "${header}" 40 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT header MATCHES "^89504e470d0a1a0a" OR NOT width EQUAL size
           OR NOT height EQUAL size)
            message(SEND_ERROR "/${icon} is no PNG of ${size} x ${size} pixels")
        endif()
    endif()
endforeach()

set(scalable usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg)
expect_file(${scalable})
file(STRINGS ${ROOT}/${scalable} svg_start REGEX "<svg " LIMIT_COUNT 1)
if(NOT svg_start)
    message(SEND_ERROR "/${scalable} has no <svg> element")
endif()
