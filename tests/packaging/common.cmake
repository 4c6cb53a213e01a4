# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)

# What the package installs, below the prefix (/usr in the package), shared by the checks of
# the staged tree and of the .deb.
set(icon_sizes 16 32 48 64 128 256)
set(expected_files
    games/${EXECUTABLE}
    share/man/man6/${EXECUTABLE}.6.gz
    share/man/de/man6/${EXECUTABLE}.6.gz
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/doc/${PACKAGE}/copyright
    share/doc/${PACKAGE}/changelog.Debian.gz)
foreach(size IN LISTS icon_sizes)
    list(APPEND expected_files share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()

set(failures "")
macro(fail message)
    string(APPEND failures "  ${message}\n")
endmacro()
macro(report)
    if(failures)
        message(FATAL_ERROR "\n${failures}")
    endif()
endmacro()

# An icon file is known to the theme only as <size>/apps/<application id>.<png|svg>.
function(is_expected path out)
    set(result FALSE)
    if(path IN_LIST expected_files)
        set(result TRUE)
    elseif(path MATCHES "^share/icons/hicolor/[^/]+/apps/([^/]+)\\.(png|svg)$"
            AND CMAKE_MATCH_1 STREQUAL APP_ID)
        set(result TRUE)
    endif()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

# The one .deb that cpack built, named as Debian names it.
function(find_deb out)
    execute_process(COMMAND ${DPKG} --print-architecture
        OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB debs ${DEB_DIR}/*.deb)
    set(expected ${DEB_DIR}/${PACKAGE}_${VERSION}-1_${arch}.deb)
    if(NOT debs STREQUAL expected)
        message(FATAL_ERROR "expected exactly ${expected}, found: ${debs}")
    endif()
    set(${out} ${expected} PARENT_SCOPE)
endfunction()
