# The licence notices that the Windows zip carries in Lizenzen/: one file for each library
# linked into quabbel.exe, a German line on what it is, then its licence texts. Each entry also
# gives the pattern by which the static link's map shows that the library went into the exe;
# tests/wine/check_zip.cmake checks the map against the entries both ways. Qt's texts come from
# the toolkit, where tools/windows/qt_toolkit.sh copies them from Qt's source, those of the
# MinGW-w64 and GCC runtime libraries from Debian's packages. In script mode only the names and
# patterns are collected.
#   quabbel_notice(NAME PATTERN DESCRIPTION [TEXT...])

set(quabbel_notice_names "")
set(quabbel_notice_patterns "")
function(quabbel_notice name pattern description)
    set(quabbel_notice_names ${quabbel_notice_names} ${name} PARENT_SCOPE)
    set(quabbel_notice_patterns ${quabbel_notice_patterns} ${pattern} PARENT_SCOPE)
    if(CMAKE_SCRIPT_MODE_FILE)
        return()
    endif()
    set(notice ${CMAKE_CURRENT_BINARY_DIR}/Lizenzen/${name}.txt)
    file(WRITE ${notice} "${description}\n")
    foreach(text IN LISTS ARGN)
        if(NOT EXISTS ${text})
            message(FATAL_ERROR "licence text ${text} is missing")
        endif()
        file(READ ${text} content)
        file(APPEND ${notice} "\n${content}")
    endforeach()
    install(FILES ${notice} DESTINATION Lizenzen)
endfunction()

set(qt ${qt_prefix}/notices)
set(qt_3rdparty ${qt}/src/3rdparty)
set(debian /usr/share/doc)
set(in_qt "in Qt enthalten")
set(core "libQt6Core\\.a\\(")
set(gui "libQt6Gui\\.a\\(")

quabbel_notice(Qt "libQt6Core\\.a"
    "Qt ${Qt6_VERSION}: Core, Gui, Widgets, das Windows-Plugin, der Stil windowsvista und das GIF-Plugin. © The Qt Company Ltd. und andere. Genutzt unter der GNU General Public License, Version 3 (LICENSE.txt). Quelltext: Debians Paket qt6-base ${Qt6_VERSION} mit Debians Patches.")
quabbel_notice(zlib "libQt6BundledZLIB\\.a"
    "zlib, Datenkompression, ${in_qt}." ${qt_3rdparty}/zlib/LICENSE)
quabbel_notice(libpng "libQt6BundledLibpng\\.a"
    "libpng, PNG-Bilder, ${in_qt}." ${qt_3rdparty}/libpng/LICENSE)
quabbel_notice(PCRE2 "libQt6BundledPcre2\\.a"
    "PCRE2, reguläre Ausdrücke, mit dem Just-in-time-Compiler SLJIT, ${in_qt}."
    ${qt_3rdparty}/pcre2/LICENCE ${qt_3rdparty}/pcre2/LICENCE-SLJIT)
quabbel_notice(HarfBuzz "libQt6BundledHarfbuzz\\.a"
    "HarfBuzz, Textsatz, ${in_qt}." ${qt_3rdparty}/harfbuzz-ng/COPYING)
quabbel_notice(double-conversion "${core}strtod\\.cc\\.obj\\)"
    "double-conversion, Umwandlung von Gleitkommazahlen, ${in_qt}."
    ${qt_3rdparty}/double-conversion/LICENSE)
quabbel_notice(TinyCBOR "${core}qcborstreamreader\\.cpp\\.obj\\)"
    "TinyCBOR, CBOR-Daten, ${in_qt}." ${qt_3rdparty}/tinycbor/LICENSE)
quabbel_notice(Unicode "${core}qstring\\.cpp\\.obj\\)"
    "Unicode Character Database und Unicode CLDR, Zeichen- und Sprachdaten, ${in_qt}."
    ${qt}/src/corelib/text/UNICODE_LICENSE.txt)
quabbel_notice(SipHash "${core}qhash\\.cpp\\.obj\\)"
    "SipHash, Streuwerte, ${in_qt}." ${qt}/src/corelib/tools/LICENSE.siphash)
quabbel_notice(Easing "${core}qeasingcurve\\.cpp\\.obj\\)"
    "Easing Equations von Robert Penner, Animationskurven, ${in_qt}."
    ${qt_3rdparty}/easing/LICENSE)
quabbel_notice(Hashfunktionen "${core}qcryptographichash\\.cpp\\.obj\\)"
    "Hashfunktionen, ${in_qt}: MD4, MD5 und SHA-1 (gemeinfrei), SHA-2 nach RFC 6234, SHA-3 (Keccak, mit brg_endian) und BLAKE2."
    ${qt_3rdparty}/rfc6234/LICENSE ${qt_3rdparty}/sha3/CC0_LICENSE
    ${qt_3rdparty}/sha3/BRG_ENDIAN_LICENSE ${qt_3rdparty}/blake2/COPYING)
quabbel_notice(MD4C "${gui}md4c\\.c\\.obj\\)"
    "MD4C, Markdown, ${in_qt}." ${qt_3rdparty}/md4c/LICENSE.md)
quabbel_notice(FreeType "${gui}qgrayraster\\.c\\.obj\\)"
    "Der Kantenglättungs-Rasterer aus FreeType 2, ${in_qt}, unter der FreeType License: Portions of this software are copyright © The FreeType Project (www.freetype.org). All rights reserved."
    ${qt_3rdparty}/freetype/LICENSE.txt ${debian}/libfreetype6/copyright)
quabbel_notice(Imlib2 "${gui}qimagescale\\.cpp\\.obj\\)"
    "Glattes Skalieren von Bildern nach Imlib2, ${in_qt}."
    ${qt}/src/gui/painting/QIMAGETRANSFORM_LICENSE.txt)
quabbel_notice(X-Consortium "${gui}qregion\\.cpp\\.obj\\)"
    "Bereichsberechnung aus dem X Server, ${in_qt}."
    ${qt}/src/gui/painting/XCONSORTIUM_LICENSE.txt)
quabbel_notice(sRGB-Profil "qrc_qpdf\\.cpp\\.obj"
    "Das sRGB-Farbprofil sRGB2014.icc des International Color Consortium, ${in_qt}."
    ${qt_3rdparty}/icc/LICENSE.txt)
quabbel_notice(MinGW-w64 "libmingwex\\.a"
    "MinGW-w64: die C-Laufzeit und winpthreads. Debians Paket mingw-w64-x86-64-dev."
    ${debian}/mingw-w64-x86-64-dev/copyright)
quabbel_notice(GCC "libstdc\\+\\+\\.a"
    "GCC: die C++-Standardbibliothek libstdc++ und libgcc, unter der GCC Runtime Library Exception. Debians Paket gcc-mingw-w64-x86-64-posix-runtime."
    ${debian}/gcc-mingw-w64-x86-64-posix-runtime/copyright)
