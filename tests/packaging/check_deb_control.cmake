# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# The control fields of the .deb.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
find_deb(deb)
execute_process(COMMAND ${DPKG_DEB} --field ${deb}
    OUTPUT_VARIABLE control COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${DPKG} --print-architecture
    OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# Field value (first line only) or empty.
function(field name out)
    set(value "")
    if(control MATCHES "(^|\n)${name}: ([^\n]*)")
        set(value "${CMAKE_MATCH_2}")
    endif()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

foreach(pair
        "Package=${PACKAGE}"
        "Version=${VERSION}-1"
        "Architecture=${arch}"
        "Section=games"
        "Priority=optional"
        "Maintainer=Ka ludnik team <team@kaludnik.example.org>"
        "Homepage=https://kaludnik.example.org")
    string(FIND "${pair}" "=" eq)
    string(SUBSTRING "${pair}" 0 ${eq} name)
    math(EXPR eq "${eq} + 1")
    string(SUBSTRING "${pair}" ${eq} -1 expected)
    field(${name} actual)
    if(NOT actual STREQUAL expected)
        fail("${name} is '${actual}', expected '${expected}'")
    endif()
endforeach()

# Depends: the libraries dpkg-shlibdeps found, with their version bounds, and the fonts.
field(Depends depends)
string(REPLACE ", " ";" depends_list "${depends}")
set(names "")
foreach(dependency IN LISTS depends_list)
    string(REGEX REPLACE " .*" "" name "${dependency}")
    list(APPEND names ${name})
endforeach()
foreach(name libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2 fonts-comic-neue)
    if(NOT name IN_LIST names)
        fail("Depends lacks ${name}: ${depends}")
    endif()
endforeach()
if(NOT depends MATCHES "(^|, )libqt6widgets6 \\(>= [0-9][^)]*\\)")
    fail("Depends has no computed version bound on libqt6widgets6: ${depends}")
endif()

# Description: a one-line summary and a longer text after it.
if(NOT control MATCHES "\nDescription: ([^\n]+)\n(( [^\n]+\n)+)")
    fail("Description has no summary and extended text")
else()
    string(LENGTH "${CMAKE_MATCH_2}" extended_length)
    if(extended_length LESS 100)
        fail("extended Description is too short: ${CMAKE_MATCH_2}")
    endif()
endif()
if(control MATCHES "\nDescription: [^\n]*\n( [^\n]*\n)*[^\n]*&[a-z]+;")
    fail("Description holds an escaped character entity instead of the character")
endif()

# Native Wayland, the game-over sound's theme, Qt's own texts and colour emoji: wanted, not
# needed.
field(Recommends recommends)
set(expected "qt6-wayland, libcanberra-pulse, sound-theme-freedesktop, qt6-translations-l10n, fonts-noto-color-emoji")
if(NOT recommends STREQUAL expected)
    fail("Recommends is '${recommends}', expected '${expected}'")
endif()

field(Installed-Size installed_size)
if(NOT installed_size MATCHES "^[1-9][0-9]*$")
    fail("Installed-Size is '${installed_size}'")
endif()

report()
