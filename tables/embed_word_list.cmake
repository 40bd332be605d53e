# Checks one word list of tables/data and turns it into a C++ source with a constant array.
#
#   cmake -DLIST=words_3 -DINPUT=path/to/words_3.txt -DOUTPUT=path/to/words_3.cpp -P embed_word_list.cmake
#
# LIST selects the rules (words_2, words_3 or words_4). A fault stops with "<file>:<line>: <what>".
# This file is UTF-8; the generated source is pure ASCII.

cmake_minimum_required(VERSION 3.25)

foreach(parameter LIST INPUT OUTPUT)
    if(NOT DEFINED ${parameter})
        message(FATAL_ERROR "embed_word_list.cmake needs -D${parameter}=...")
    endif()
endforeach()

# Rules per list: number of lines, word width, allowed characters (as regex alternatives) and
# the one word that may be longer than its slot.
set(long_word_line 0)
set(long_word "")
if(LIST STREQUAL "words_2")
    set(line_count 76)
    set(width 2)
    set(letters "[A-Za-z]|ä|ö|ü|Ö")
elseif(LIST STREQUAL "words_3")
    set(line_count 629)
    set(width 3)
    set(letters "[A-Za-z]|ä|ö|ü|Ä|Ö|Ü|é")
    set(long_word_line 253)
    set(long_word "hüb*")
elseif(LIST STREQUAL "words_4")
    set(line_count 3041)
    set(width 4)
    set(letters "[A-Z]|Ä|Ö|Ü")
else()
    message(FATAL_ERROR "unknown word list '${LIST}'")
endif()

get_filename_component(file_name "${INPUT}" NAME)

function(fail line_number text)
    message(FATAL_ERROR "${file_name}:${line_number}: ${text}")
endfunction()

# The program's upper-casing rule: a-z, ä, ö, ü, é to capitals, nothing else.
function(upper_case word out_var)
    string(TOUPPER "${word}" upper)
    foreach(pair "ä;Ä" "ö;Ö" "ü;Ü" "é;É")
        list(GET pair 0 lower_letter)
        list(GET pair 1 capital_letter)
        string(REPLACE "${lower_letter}" "${capital_letter}" upper "${upper}")
    endforeach()
    set(${out_var} "${upper}" PARENT_SCOPE)
endfunction()

function(escape_for_cpp word out_var)
    foreach(pair "ä;e4" "ö;f6" "ü;fc" "é;e9" "Ä;c4" "Ö;d6" "Ü;dc")
        list(GET pair 0 letter)
        list(GET pair 1 code)
        string(REPLACE "${letter}" "\\u00${code}" word "${word}")
    endforeach()
    set(${out_var} "${word}" PARENT_SCOPE)
endfunction()

file(READ "${INPUT}" rest)
set(line_number 0)
set(stored_words "")
set(entries "")
while(NOT rest STREQUAL "")
    string(FIND "${rest}" "\n" line_end)
    if(line_end EQUAL -1)
        set(word "${rest}")
        set(rest "")
    else()
        string(SUBSTRING "${rest}" 0 ${line_end} word)
        math(EXPR next "${line_end} + 1")
        string(SUBSTRING "${rest}" ${next} -1 rest)
    endif()
    math(EXPR line_number "${line_number} + 1")

    if(line_number GREATER line_count)
        fail(${line_number} "more than ${line_count} lines")
    endif()

    if(line_number EQUAL long_word_line)
        if(NOT word STREQUAL long_word)
            fail(${line_number} "\"${word}\" found, this line must be \"${long_word}\"")
        endif()
        # Its slot keeps only the leading characters.
        string(REGEX MATCHALL "${letters}|\\*" characters "${word}")
        list(SUBLIST characters 0 ${width} characters)
    else()
        if(NOT word MATCHES "^(${letters})*$")
            fail(${line_number} "\"${word}\" has a character outside the list's letters")
        endif()
        string(REGEX MATCHALL "${letters}" characters "${word}")
        list(LENGTH characters length)
        if(NOT length EQUAL width)
            fail(${line_number} "\"${word}\" has ${length} characters, expected ${width}")
        endif()
    endif()

    list(JOIN characters "" stored_word)
    upper_case("${stored_word}" key)
    list(FIND stored_words "${key}" earlier)
    if(NOT earlier EQUAL -1)
        math(EXPR earlier_line "${earlier} + 1")
        fail(${line_number} "\"${word}\" repeats line ${earlier_line} when upper-cased")
    endif()
    list(APPEND stored_words "${key}")

    escape_for_cpp("${word}" escaped)
    string(APPEND entries "    u\"${escaped}\",\n")
endwhile()

if(line_number LESS line_count)
    fail(${line_number} "file ends after ${line_number} lines, expected ${line_count}")
endif()

file(WRITE "${OUTPUT}"
    "// Generated from ${file_name} at build time; edit the data file instead.\n"
    "#include \"tables/word_data.h\"\n\n"
    "namespace quabbel::word_data {\n\n"
    "const std::array<std::u16string_view, ${line_count}> ${LIST} = {\n"
    "${entries}"
    "};\n\n"
    "} // namespace quabbel::word_data\n")
