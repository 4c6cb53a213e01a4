# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# The staged install: every file the package needs, nothing else, and files that agree with
# each other (the names the desktop entry and metainfo give are the names installed).
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
set(prefix ${STAGE_ROOT}/usr)

foreach(path IN LISTS expected_files)
    if(NOT EXISTS ${prefix}/${path} OR IS_DIRECTORY ${prefix}/${path})
        fail("missing: ${path}")
    else()
        file(SIZE ${prefix}/${path} size)
        if(size EQUAL 0)
            fail("empty: ${path}")
        endif()
    endif()
endforeach()
report()

file(GLOB_RECURSE staged RELATIVE ${STAGE_ROOT} LIST_DIRECTORIES FALSE ${STAGE_ROOT}/*)
foreach(path IN LISTS staged)
    string(REGEX REPLACE "^usr/" "" relative ${path})
    is_expected("${relative}" ok)
    if(NOT path MATCHES "^usr/" OR NOT ok)
        fail("not expected in the install: ${path}")
    endif()
endforeach()

# The desktop entry starts the installed program with the installed icon, in every language.
file(STRINGS ${prefix}/share/applications/${APP_ID}.desktop desktop ENCODING UTF-8)
foreach(line
        "Name=${DISPLAY_NAME}" "Exec=${EXECUTABLE}" "Icon=${APP_ID}"
        "StartupWMClass=${EXECUTABLE}" "Name[de]=${DISPLAY_NAME}"
        "Type=Application" "Terminal=false" "Categories=Game;ArcadeGame;")
    if(NOT line IN_LIST desktop)
        fail("desktop entry lacks '${line}'")
    endif()
endforeach()
foreach(key GenericName Comment Keywords)
    foreach(pattern "^${key}=." "^${key}\\[cs\\]=." "^${key}\\[de\\]=.")
        set(found "${desktop}")
        list(FILTER found INCLUDE REGEX "${pattern}")
        if(NOT found)
            fail("desktop entry has no line matching ${pattern}")
        endif()
    endforeach()
endforeach()

# The metainfo names this application, its desktop entry and its program, in every language,
# and its newest release is the version being built.
file(READ ${prefix}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
foreach(fragment
        "<component type=\"desktop-application\">"
        "<id>${APP_ID}</id>"
        "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
        "<binary>${EXECUTABLE}</binary>"
        "<name>${DISPLAY_NAME}</name>"
        "<content_rating type=\"oars-1.1\""
        "<metadata_license>CC0-1.0</metadata_license>"
        "<project_license>MIT</project_license>"
        "<name xml:lang=\"cs\">"
        "<summary xml:lang=\"cs\">"
        "<p xml:lang=\"cs\">"
        "<name xml:lang=\"de\">${DISPLAY_NAME}</name>"
        "<summary xml:lang=\"de\">"
        "<p xml:lang=\"de\">")
    string(FIND "${metainfo}" "${fragment}" at)
    if(at EQUAL -1)
        fail("metainfo lacks ${fragment}")
    endif()
endforeach()
if(NOT metainfo MATCHES "<release version=\"([^\"]+)\"")
    fail("metainfo has no release")
elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("newest release in the metainfo is ${CMAKE_MATCH_1}, the project is ${VERSION}")
endif()

# The copyright file is machine-readable and carries the same MIT text as LICENSE.
file(READ ${prefix}/share/doc/${PACKAGE}/copyright copyright)
if(NOT copyright MATCHES "^Format: https://www\\.debian\\.org/doc/packaging-manuals/copyright-format/1\\.0/\n")
    fail("copyright file is not in the machine-readable format")
endif()
if(NOT copyright MATCHES "\nFiles: \\*\nCopyright: [0-9]+ Ka ludnik team\nLicense: MIT\n")
    fail("copyright file has no 'Files: *' paragraph for Ka ludnik team under MIT")
endif()
if(NOT copyright MATCHES "\nLicense: MIT\n(( [^\n]*\n)+)")
    fail("copyright file has no MIT licence text")
else()
    string(REGEX REPLACE "\n \\.?" "\n" packaged_text "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "[ \n]+" " " packaged_text "${packaged_text}")
    file(READ ${CMAKE_CURRENT_LIST_DIR}/../../LICENSE license)
    string(FIND "${license}" "Permission is hereby granted" start)
    string(SUBSTRING "${license}" ${start} -1 license_text)
    string(REGEX REPLACE "[ \n]+" " " license_text "${license_text}")
    string(STRIP "${packaged_text}" packaged_text)
    string(STRIP "${license_text}" license_text)
    if(NOT packaged_text STREQUAL license_text)
        fail("MIT text in the copyright file differs from LICENSE")
    endif()
endif()

# The compressed changelog's newest entry is the version being built.
execute_process(COMMAND gzip -dc ${prefix}/share/doc/${PACKAGE}/changelog.Debian.gz
    OUTPUT_VARIABLE changelog RESULT_VARIABLE gzip_failed)
if(gzip_failed)
    fail("changelog.Debian.gz is not gzip data")
elseif(NOT changelog MATCHES "^${PACKAGE} \\(([^)]+)\\) [a-z]+; urgency=[a-z]+\n")
    fail("changelog.Debian.gz does not start with an entry for ${PACKAGE}")
elseif(NOT CMAKE_MATCH_1 STREQUAL "${VERSION}-1")
    fail("newest changelog entry is ${CMAKE_MATCH_1}, the package is ${VERSION}-1")
elseif(NOT changelog MATCHES "\n -- Ka ludnik team <team@kaludnik\\.example\\.org>  [A-Z][a-z][a-z], [0-9][0-9] [A-Z][a-z][a-z] [0-9]+ [0-9:]+ [+-][0-9]+\n")
    fail("newest changelog entry has no valid trailer line")
endif()

report()

# The manual pages (their format and compression are lintian's to check): every section a user
# looks for, in the page's language, and the version being built.
foreach(page
        "man6|NAME|SYNOPSIS|DESCRIPTION|KEYS|FILES|ENVIRONMENT|SEE ALSO"
        "de/man6|BEZEICHNUNG|ÜBERSICHT|BESCHREIBUNG|TASTEN|DATEIEN|UMGEBUNGSVARIABLEN|SIEHE AUCH")
    string(REPLACE "|" ";" sections "${page}")
    list(POP_FRONT sections folder)
    set(manpage ${prefix}/share/man/${folder}/${EXECUTABLE}.6.gz)
    execute_process(COMMAND gzip -dc ${manpage} OUTPUT_VARIABLE roff COMMAND_ERROR_IS_FATAL ANY)
    if(NOT roff MATCHES "\n\\.TH ([^ ]+) 6 [^\n]* \"[^\"]* ([0-9.]+)\"")
        fail("${folder} manual page has no .TH line for section 6 with a version")
    elseif(NOT CMAKE_MATCH_2 STREQUAL VERSION)
        fail("${folder} manual page is of version ${CMAKE_MATCH_2}, the project is ${VERSION}")
    endif()
    foreach(section IN LISTS sections)
        if(NOT roff MATCHES "\n\\.SH \"?${section}\"?\n")
            fail("${folder} manual page lacks the section ${section}")
        endif()
    endforeach()
endforeach()
report()
