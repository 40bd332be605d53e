# Makes a fresh Wine prefix at PREFIX and copies Wine's own fonts from FONTS into its Windows
# font folder, where Debian's Wine does not look by itself; without them every text falls back
# to a serif face. The installers of Mono and Gecko are held back: nothing here needs them and
# on a display they would wait for an answer.
#   cmake -DWINE=... -DPREFIX=... -DFONTS=... -P fresh_wine_prefix.cmake

file(REMOVE_RECURSE ${PREFIX})
file(GLOB fonts ${FONTS}/*)
if(NOT fonts)
    message(FATAL_ERROR "no fonts in ${FONTS} (Debian package fonts-wine)")
endif()

get_filename_component(wine_directory ${WINE} DIRECTORY)
set(wine_environment WINEPREFIX=${PREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${wine_environment} ${WINE} wineboot --init
                COMMAND_ERROR_IS_FATAL ANY)
# wineboot returns before the prefix is written out; the server ends when it is.
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${wine_environment} ${wine_directory}/wineserver --wait
                COMMAND_ERROR_IS_FATAL ANY)
file(COPY ${fonts} DESTINATION ${PREFIX}/drive_c/windows/Fonts)
