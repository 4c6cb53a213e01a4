# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# Fixture: a fresh `cmake --install` of the build tree under STAGE_ROOT/usr, laid out as the
# package lays it out.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
file(REMOVE_RECURSE ${STAGE_ROOT})
set(config_args "")
if(CONFIG)
    set(config_args --config ${CONFIG})
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE_ROOT}/usr ${config_args}
    COMMAND_ERROR_IS_FATAL ANY)
