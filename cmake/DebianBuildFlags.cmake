# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# The compiler and linker flags Debian builds its packages with, as dpkg-buildflags gives them,
# with every hardening feature asked for: fortified C library calls, stack protector, read-only
# relocations bound at start-up (relro, bind-now) and a position-independent program.
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)

function(kaludnik_dpkg_buildflags name out)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${name}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

kaludnik_dpkg_buildflags(CPPFLAGS debian_cppflags)
kaludnik_dpkg_buildflags(CXXFLAGS debian_cxxflags)
kaludnik_dpkg_buildflags(LDFLAGS debian_ldflags)
message(STATUS "Debian build flags: ${debian_cppflags} ${debian_cxxflags} | ${debian_ldflags}")

# Before the build type's own flags, so that a Release build keeps its optimisation level.
string(PREPEND CMAKE_CXX_FLAGS "${debian_cppflags} ${debian_cxxflags} ")
string(PREPEND CMAKE_EXE_LINKER_FLAGS "${debian_ldflags} ")
string(PREPEND CMAKE_SHARED_LINKER_FLAGS "${debian_ldflags} ")
string(PREPEND CMAKE_MODULE_LINKER_FLAGS "${debian_ldflags} ")
